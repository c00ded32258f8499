// The end-to-end scenarios of the shell, run against any program.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "driver_tools.h"
#include "programs.h"
#include "scenario_tools.h"

struct DriverSettings {
    std::string bin;       // the folder of the programs (Windows path)
    std::string work;      // a folder for the files the programs write
    std::string expected;  // the files the native table code wrote
    std::string cdrom;     // the root of a drive that Wine reports as a CD-ROM
    int japanese;          // the driver runs in code page 932
};

extern DriverSettings settings;

void check_startup_state(const ProgramCase &program);
// One line of the file-case table: the choices, and the name of the file that
// holds both the expected bytes and (in the work folder) the written ones.
struct FileCase {
    int degree;
    int all;
    int normalize;
    std::vector<std::pair<std::string, std::string>> parameters;  // name, value
    std::string file_name;
};

void check_file_case(const ProgramCase &program, const FileCase &file_case);
void check_cancel(const ProgramCase &program);
void check_refused_extension(const ProgramCase &program);
void check_overwrite_declined(const ProgramCase &program);
void check_cdrom_refused(const ProgramCase &program);
void check_about_dialog(const ProgramCase &program);
void check_missing_readme(const ProgramCase &program);
void check_exit_and_close_box(const ProgramCase &program);
void check_second_instance(const ProgramCase &program);
void check_write_failure(const ProgramCase &program);
void check_typing(const ProgramCase &program, const EntryCase &entry);
void check_empty_and_outside(const ProgramCase &program, const EntryCase &entry);
void check_refusal(const ProgramCase &program, const RefusalCase &refusal);
// The In Process box is seen while the program writes into a named pipe
// "busy_<program>.xls" whose reader (tests/tools/held_pipe_reader) holds it
// back until "busy_<program>.go" exists, and is gone once the calculation
// has ended; the reader leaves what came through in "busy_<program>.out".
void check_busy_box(const ProgramCase &program, const BusyCase &busy);
