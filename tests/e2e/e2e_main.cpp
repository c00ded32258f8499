// The end-to-end driver: runs under Wine beside the programs and drives them
// through their windows.
//   e2e_driver --bin DIR --work DIR --expected DIR --cdrom ROOT --cases FILE --lang en|ja [--write-failure]
// Prints one line per check and ends with "N passed, M failed".
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "driver_tools.h"
#include "scenarios.h"
#include "scenarios_exact_numbers.h"
#include "scenarios_mirgol95_jaskel02.h"
#include "scenarios_kept_state.h"
#include "scenarios_ruslam00.h"
#include "scenarios_duvest95.h"

// Reads one line of the file-case table:
//   program language degree all-degrees normalize [name=value ...]
// The file's name joins the fields with "_" (as the test script does).
static bool parse_case(const char *line, std::string &program, std::string &language, FileCase &file_case)
{
    std::istringstream fields(line);
    std::vector<std::string> words;
    std::string word;
    while (fields >> word)
        words.push_back(word);
    if (words.size() < 5 || words[0][0] == '#')
        return false;
    program = words[0];
    language = words[1];
    file_case.degree = atoi(words[2].c_str());
    file_case.all = atoi(words[3].c_str());
    file_case.normalize = atoi(words[4].c_str());
    file_case.parameters.clear();
    file_case.file_name = words[0];
    for (size_t i = 1; i < words.size(); i++) {
        if (i >= 5) {
            size_t equals = words[i].find('=');
            file_case.parameters.push_back({words[i].substr(0, equals), words[i].substr(equals + 1)});
        }
        file_case.file_name += "_" + words[i];
    }
    file_case.file_name += ".xls";
    return true;
}

// Runs the file cases of the run's language listed in the cases file.
static void run_file_cases(const std::string &cases_path, const std::string &only)
{
    FILE *file = fopen(cases_path.c_str(), "r");
    check(file != NULL, "file cases readable", cases_path);
    if (!file)
        return;
    char line[256];
    while (fgets(line, sizeof line, file)) {
        std::string name, language;
        FileCase file_case;
        if (!parse_case(line, name, language, file_case))
            continue;
        if ((language == "ja") != (settings.japanese != 0) || (!only.empty() && only != name))
            continue;
        const ProgramCase *program = find_program(name.c_str());
        check(program != nullptr, "known program " + name);
        if (program && name == "duvest95")
            check_duvest95_tabulation_file(*program, file_case);  // its own Tabulation road
        else if (program)
            check_file_case(*program, file_case);
    }
    fclose(file);
}

// The checks of the program's typed parameters and of the choices it refuses.
static void run_parameter_scenarios(const ProgramCase &program)
{
    for (int i = 0; i < entry_count; i++)
        if (strcmp(entries[i].program, program.name) == 0) {
            if (!settings.japanese)
                check_typing(program, entries[i]);
            check_empty_and_outside(program, entries[i]);
        }
    for (int i = 0; i < refusal_count; i++)
        if (strcmp(refusals[i].program, program.name) == 0)
            check_refusal(program, refusals[i]);
    for (int i = 0; i < busy_case_count && !settings.japanese; i++)
        if (strcmp(busy_cases[i].program, program.name) == 0)
            check_busy_box(program, busy_cases[i]);
}

static void run_shell_scenarios(const ProgramCase &program)
{
    if (strcmp(program.name, "duvest95") == 0)
        return run_duvest95_scenarios(program);  // its own Save and Tabulation roads
    check_startup_state(program);
    check_about_dialog(program);
    check_refused_extension(program);
    run_parameter_scenarios(program);
    check_exact_numbers_box(program);
    check_mirgol95_jaskel02(program);
    if (settings.japanese)
        return;
    check_cancel(program);
    check_overwrite_declined(program);
    check_cdrom_refused(program);
    check_missing_readme(program);
    check_exit_and_close_box(program);
    check_second_instance(program);
    check_kept_state(program);
}

int main(int argc, char **argv)
{
    std::string cases;
    bool write_failure = false;
    std::string only;  // one program's checks alone, when given
    for (int i = 1; i < argc; i++) {
        std::string option = argv[i];
        std::string value = i + 1 < argc ? argv[i + 1] : "";
        if (option == "--bin") settings.bin = value, i++;
        else if (option == "--work") settings.work = value, i++;
        else if (option == "--expected") settings.expected = value, i++;
        else if (option == "--cdrom") settings.cdrom = value, i++;
        else if (option == "--cases") cases = value, i++;
        else if (option == "--lang") settings.japanese = value == "ja", i++;
        else if (option == "--write-failure") write_failure = true;
        else if (option == "--only") only = value, i++;
    }
    check(GetACP() == (settings.japanese ? 932u : 1252u), "the run's code page", std::to_string(GetACP()));

    if (write_failure) {
        check_write_failure(programs[0]);
    } else {
        for (int i = 0; i < program_count; i++)
            if (only.empty() || only == programs[i].name)
                run_shell_scenarios(programs[i]);
        run_file_cases(cases, only);
        if (only.empty() || only == "ruslam00")
            run_ruslam00_scenarios(cases);
    }
    printf("%d passed, %d failed\n", checks_passed(), checks_failed());
    return checks_failed() == 0 ? 0 : 1;
}
