// How the dump tool sets a program's own choices (typed parameters, second
// lists, option boxes) by name, as "name=value" arguments.
#pragma once

// Sets the named choice from its text as the program would read it; 0 when
// the program has no such choice.
int set_dump_parameter(const char *name, const char *value);

// Added to the degree before the tables are written, for a program whose
// driver passes another number than the selected degree (0 for most).
extern int dump_table_degree_offset;
