// The Windows-free part of the shell: result-file formats, the writer frame,
// the driver's loop and decisions, the readme and Notepad command lines.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "calc_state.h"
#include "file_capture.h"
#include "result_file.h"
#include "shell_rules.h"

// A program with a recording table hook, for the driver's loop.
static std::vector<std::pair<int, int>> tabulated;  // (degree, tables_written at the call)
static void record_table(FILE *, int n) { tabulated.push_back({n, tables_written}); }
const TableSpec table_spec = {1, record_table, standard_size_estimate};

static std::string coefficient_text(long double value)
{
    char out[CELL_BUF_SIZE];
    format_coefficient(out, value);
    return out;
}

TEST(CoefficientFormat, SeventeenCharactersEightDecimals)
{
    EXPECT_EQ("   1.00000000E+00", coefficient_text(1.0L));
    EXPECT_EQ("  -6.00000000E+00", coefficient_text(-6.0L));
    EXPECT_EQ("   1.23456789E+58", coefficient_text(1.234567891e58L));
    EXPECT_EQ("  -5.00000000E-01", coefficient_text(-0.5L));
    // beyond the range of double: printed from the extended value itself
    EXPECT_EQ("  4.00000000E+313", coefficient_text(4e313L));
}

TEST(CoefficientFormat, ZeroOfEitherSignHasNoMinus)
{
    EXPECT_EQ("   0.00000000E+00", coefficient_text(0.0L));
    EXPECT_EQ("   0.00000000E+00", coefficient_text(-0.0L));
}

static std::string degree_text(double value)
{
    char out[CELL_BUF_SIZE];
    format_degree(out, value);
    return out;
}

TEST(DegreeText, IntegerDigitsOnly)
{
    EXPECT_EQ("0", degree_text(0));
    EXPECT_EQ("5", degree_text(5));
    EXPECT_EQ("100", degree_text(100));
    EXPECT_EQ("-3", degree_text(-3));
    EXPECT_EQ("0", degree_text(-0.0));  // a negated degree 0
}

static std::string parameter_text(double value)
{
    char out[CELL_BUF_SIZE];
    format_real_parameter(out, value);
    return out;
}

TEST(RealParameterText, IntegralValuesLoseTheirDecimals)
{
    EXPECT_EQ("0", parameter_text(0.0));
    EXPECT_EQ("0", parameter_text(-0.0));
    EXPECT_EQ("3", parameter_text(3.0));
    EXPECT_EQ("-2", parameter_text(-2.0));
    EXPECT_EQ("10", parameter_text(10.0));
    EXPECT_EQ("-10", parameter_text(-10.0));
}

TEST(RealParameterText, FractionsLoseTrailingZeros)
{
    EXPECT_EQ("0.5", parameter_text(0.5));
    EXPECT_EQ("-1.25", parameter_text(-1.25));
    EXPECT_EQ("0.1", parameter_text(0.1));
    EXPECT_EQ("-0.001", parameter_text(-0.001));
    EXPECT_EQ("3.14159265359", parameter_text(3.14159265358979));  // 11 decimals, rounded
    EXPECT_EQ("0.00000000001", parameter_text(1e-11));
    EXPECT_EQ("9.99999999999", parameter_text(9.99999999999));
}

TEST(WriterFrame, TitleNoteAndBlocks)
{
    long double values[3] = {1.0L, -0.0L, 2.5L};
    is_japanese = 0;
    normalize = 1;
    tables_written = 0;
    std::string bytes = capture_file([&](FILE *f) {
        write_title_block(f, "TITLE", "JA");
        write_degree_heading(f, 2);
        write_column_header(f);
        write_coefficient_rows(f, " Z^%d", values, 2);
    });
    EXPECT_EQ("TITLE\r\n\r\nNote: Coefficients are normalized.\r\n"
              "\r\n*** polynomial of degree 2 ***\r\n"
              "Term\tCoef.\r\n"
              " Z^0\t   1.00000000E+00\r\n"
              " Z^1\t   0.00000000E+00\r\n"
              " Z^2\t   2.50000000E+00\r\n",
              bytes);

    tables_written = 1;  // the title block opens only the first table of a file
    EXPECT_EQ("", capture_file([&](FILE *f) { write_title_block(f, "TITLE", "JA"); }));
    normalize = 0;
}

TEST(WriterFrame, JapaneseTextsAreShiftJis)
{
    is_japanese = 1;
    normalize = 1;
    tables_written = 0;
    std::string bytes = capture_file([&](FILE *f) {
        write_title_block(f, "TITLE", "T");
        write_degree_heading(f, 7);
        write_column_header(f);
    });
    // 注：係数は基準化されています. / *** 7次の多項式 *** / 項 TAB 係数
    EXPECT_EQ("T\r\n\r\n"
              "\x92\x8d\x81\x46\x8c\x57\x90\x94\x82\xcd\x8a\xee\x8f\x80\x89\xbb\x82\xb3\x82\xea\x82\xc4\x82\xa2"
              "\x82\xdc\x82\xb7.\r\n"
              "\r\n*** 7\x8e\x9f\x82\xcc\x91\xbd\x8d\x80\x8e\xae ***\r\n"
              "\x8d\x80\t\x8c\x57\x90\x94\r\n",
              bytes);
    is_japanese = 0;
    normalize = 0;
}

TEST(DriverLoop, SingleDegreeLeavesCounterAtZero)
{
    tabulated.clear();
    tables_written = 5;
    write_tables(nullptr, 7, 0);
    ASSERT_EQ(1u, tabulated.size());
    EXPECT_EQ(std::make_pair(7, 0), tabulated[0]);
    EXPECT_EQ(0, tables_written);
}

TEST(DriverLoop, AllDegreesFromTheProgramsFirstDegree)
{
    tabulated.clear();
    write_tables(nullptr, 3, 1);
    std::vector<std::pair<int, int>> expected = {{1, 0}, {2, 1}, {3, 2}};
    EXPECT_EQ(expected, tabulated);
    EXPECT_EQ(3, tables_written);
}

TEST(SizeEstimate, HundredBytesARowPlusThousand)
{
    EXPECT_EQ(1100, standard_size_estimate(0, 0));
    EXPECT_EQ(11100, standard_size_estimate(100, 0));
    EXPECT_EQ(516100, standard_size_estimate(100, 1));
    EXPECT_EQ(1300, standard_size_estimate(1, 1));
}

TEST(ExtensionTest, CaseInsensitiveEnding)
{
    EXPECT_TRUE(has_extension("C:\\a.xls", ".xls"));
    EXPECT_TRUE(has_extension("C:\\a.XLS", ".xls"));
    EXPECT_TRUE(has_extension("C:\\a.Xls", ".xls"));
    EXPECT_TRUE(has_extension(".xls", ".xls"));
    EXPECT_FALSE(has_extension("C:\\a.txt", ".xls"));
    EXPECT_FALSE(has_extension("C:\\a.xls.txt", ".xls"));
    EXPECT_FALSE(has_extension("xls", ".xls"));
    EXPECT_FALSE(has_extension("", ".xls"));
}

TEST(FreeSpace, ThirtyTwoBitProductDoesNotWrap)
{
    // 64 sectors of 512 bytes in each of 200000 free clusters: 6.5 GB
    EXPECT_EQ(6553600000ULL, cluster_free_bytes(64, 512, 200000));
    EXPECT_TRUE(free_space_suffices(1, cluster_free_bytes(64, 512, 131072), 517100));  // exactly 4 GiB
    EXPECT_FALSE(free_space_suffices(1, 2099, 2100));
    EXPECT_TRUE(free_space_suffices(1, 2100, 2100));
}

TEST(FreeSpace, FailedQueryMeansNotEnough)
{
    EXPECT_FALSE(free_space_suffices(0, 1ULL << 40, 2100));
}

TEST(ReadmePath, ExtensionReplacedByTxt)
{
    char out[PATH_BUF_SIZE];
    const char *found = "C:\\Programs\\WIBSOR02.EXE";
    make_readme_path(out, found, (unsigned long)strlen(found), 256);
    EXPECT_STREQ("C:\\Programs\\WIBSOR02.TXT", out);
}

TEST(ReadmePath, FailedOrTooLongSearchLeavesItEmpty)
{
    char out[PATH_BUF_SIZE];
    make_readme_path(out, "", 0, 256);
    EXPECT_STREQ("", out);
    // the search reports the size it would need: the path is not cut
    std::string long_path = "C:\\" + std::string(300, 'd') + "\\WIBSOR02.EXE";
    make_readme_path(out, long_path.substr(0, 255).c_str(), (unsigned long)long_path.size() + 1, 256);
    EXPECT_STREQ("", out);
    std::string limit(255, 'p');  // 255 characters fit a 256-byte buffer
    make_readme_path(out, limit.c_str(), 255, 256);
    EXPECT_EQ(std::string(252, 'p') + "TXT", out);
    make_readme_path(out, limit.c_str(), 256, 256);
    EXPECT_STREQ("", out);
}

TEST(NotepadCommand, BuiltWhenItFits)
{
    char out[PATH_BUF_SIZE];
    ASSERT_TRUE(build_notepad_command(out, sizeof out, "C:\\windows", "C:\\My Programs\\WIBSOR02.TXT"));
    EXPECT_STREQ("C:\\windows\\NOTEPAD.EXE C:\\My Programs\\WIBSOR02.TXT", out);  // unquoted
}

TEST(NotepadCommand, RefusedWithoutOverflowWhenTooLong)
{
    char out[PATH_BUF_SIZE + 16];
    memset(out, 'G', sizeof out);
    std::string readme(240, 'r');
    EXPECT_FALSE(build_notepad_command(out, PATH_BUF_SIZE, "C:\\windows", readme.c_str()));
    EXPECT_STREQ("", out);
    for (size_t i = PATH_BUF_SIZE; i < sizeof out; i++)
        EXPECT_EQ('G', out[i]);
}

TEST(SuccessMessage, NamesThePathInBothLanguages)
{
    char out[MESSAGE_BUF_SIZE];
    is_japanese = 0;
    format_success_message(out, sizeof out, "Z:\\t\\r.xls");
    EXPECT_STREQ("The solution has been saved in the file\n  Z:\\t\\r.xls.\n"
                 "Double click the file, then you can read the solution.",
                 out);
    is_japanese = 1;
    format_success_message(out, sizeof out, "Z:\\t\\r.xls");
    EXPECT_STREQ("解は下記のファイルに保存されました;\n  Z:\\t\\r.xls\nファイルをダブルクリックすると解を読めます.", out);
    is_japanese = 0;
}
