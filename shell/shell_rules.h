// The decisions of the calculation driver and the readme opener that need no
// Windows call, kept apart so that they can be tested natively.
#pragma once

#include <cstddef>

// 1 when path ends in extension (".xls"), compared without regard to case.
int has_extension(const char *path, const char *extension);

// 1 when free_bytes (valid only when query_ok) cover need. A failed query
// counts as too little space: nothing is written where the room is unknown.
int free_space_suffices(int query_ok, unsigned long long free_bytes, unsigned long long need);

// The free bytes of the old cluster query, as a 64-bit product (the 32-bit
// product wraps around at 4 GiB).
unsigned long long cluster_free_bytes(unsigned long sectors_per_cluster, unsigned long bytes_per_sector,
                                      unsigned long free_clusters);

// readme_path from the answer of a path search for the program's own file:
// found holds found_length characters, or the search failed (0) or needed
// more than buffer_length. The readme is the same path with "TXT" in place of
// the last three characters; out (PATH_BUF_SIZE bytes) is left empty when the
// search failed or its answer did not fit.
void make_readme_path(char *out, const char *found, unsigned long found_length, unsigned long buffer_length);

// windows_dir + "\NOTEPAD.EXE " + readme_path into out (size bytes).
// Returns 0, with out empty, when the command does not fit.
int build_notepad_command(char *out, size_t size, const char *windows_dir, const char *readme_path);

struct ResultFileKind;

// The success message that names the file, in the chosen language, as the
// kind of file words it (the ".xls" form by default).
void format_success_message(char *out, size_t size, const char *path);
void format_success_message(char *out, size_t size, const char *path, const ResultFileKind &kind);
