// tarnwell-cli's commands, one function each, found by name in the command
// table of cli_run.cpp. Each gets the arguments after its name, already
// counted, and returns the exit status.
#pragma once

#include <cstdio>

#include "files/open_document.h"

enum CliStatus : int { CliDone = 0, CliRefused = 1, CliUsage = 2 };

using CliCommand = int (*)(const char* const* args, std::FILE* out, std::FILE* err);

// File Open of `path` over the document the program starts with.
OpenOutcome openCliDocument(const char* path);

// A message the window shows in a box: its title, then its text.
void printRefusal(std::FILE* err, const char* title, const char* text);

// The editing commands (cli_edit.cpp): FILE is args[0].
int runNew(const char* const* args, std::FILE* out, std::FILE* err);
int runAdd(const char* const* args, std::FILE* out, std::FILE* err);
int runSet(const char* const* args, std::FILE* out, std::FILE* err);
int runRecalc(const char* const* args, std::FILE* out, std::FILE* err);
