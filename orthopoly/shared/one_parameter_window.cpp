#include "one_parameter_window.h"

#include "formula_text.h"
#include "numeric_entry.h"
#include "one_parameter.h"
#include "shell.h"

HWND edit_a;

// a: present, in [-10, 10].
static const TypedParameter parameter_a = {&edit_a, "a", &param_a, -10, 10, 0, "The numerical value of a : -10 <= a <= 10",
                                           "a の数値： -10 <= a <= 10"};

void on_calculate_parameter_a(HWND window)
{
    if (!read_typed_parameters(window, &parameter_a, 1))
        return;
    degree = (int)SendMessageA(combo_degree, CB_GETCURSEL, 0, 0);
    save_solution(window);
}

void on_edit_a_changed(HWND)
{
    filter_numeric_entry(edit_a, NUMERIC_SIGNED);
}

void finish_parameter_a(HWND)
{
    finish_numeric_entries(edit_a, NULL);
    SetFocus(edit_a);
}

void release_parameter_a()
{
    release_edit_fonts();
}

void draw_parameter_labels(HDC dc, const ParameterLabels &labels)
{
    const UINT right_aligned = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;
    draw_label_box(dc, 12, 400, labels.degree_box, "n:", right_aligned);
    draw_label_box(dc, 12, 400, labels.parameter_box, labels.parameter, right_aligned);
    draw_label(dc, 12, 700, 35, labels.caption_top, labels.caption_top + 20,
               choose_text(labels.caption_en, labels.caption_ja));
    if (labels.normalization_top != 0)
        draw_label(dc, 12, 700, 35, labels.normalization_top, labels.normalization_top + 20,
                   choose_text("Coefficient normalization", "係数の基準化"));
}

// The line starts where DrawText with DT_CENTER in the rectangle would start it.
void draw_range_line(HDC dc, int left, int top, int right, const char *text)
{
    SIZE size = measure_formula_text(dc, text, 14, 700);
    draw_helv_text(dc, left + (right - left - size.cx) / 2, top, text, 14, 700, DT_SINGLELINE | DT_VCENTER);
}

const CommandSpec one_parameter_commands[] = {
    {ID_PARAMETER, on_edit_a_changed},
    {ID_PARAM_BTN_ABOUT, show_about_dialog},
    {ID_PARAM_BTN_EXIT, on_exit},
    {ID_PARAM_BTN_CALC, on_calculate_parameter_a},
    {ID_PARAM_CHK_OUTPUT_ALL, on_toggle_output_all},
    {ID_PARAM_CHK_NORMALIZE, on_toggle_normalize},
};

const int one_parameter_command_count = sizeof one_parameter_commands / sizeof one_parameter_commands[0];
