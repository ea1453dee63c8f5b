// quillet's reply-library commands: create, list, show, add, edit, delete,
// pack, export, import and verify. Texts are UTF-8 on the command line, in
// the output and in JSON and CSV files; the library holds Windows-1252, and
// what it cannot hold is reported, never dropped. Replies are named by their
// index: their 0-based position in the library's order, as in the program.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/library_records.h"
#include "platform/env.h"

namespace tq::cli {

// command: one of the names above; args: the words after it. A library in
// use by another process is waited for up to busyWait; in is what
// "--text-file -" reads.
int RunLibraryCommand(platform::Env& env, const std::string& command, const std::vector<std::string>& args, FILE* out,
                      FILE* err, std::chrono::milliseconds busyWait = kLibraryBusyWait, FILE* in = stdin);

// Entries of quillet's command table.
int RunLibraryCreate(const std::vector<std::string>& args);
int RunLibraryList(const std::vector<std::string>& args);
int RunLibraryShow(const std::vector<std::string>& args);
int RunLibraryAdd(const std::vector<std::string>& args);
int RunLibraryEdit(const std::vector<std::string>& args);
int RunLibraryDelete(const std::vector<std::string>& args);
int RunLibraryPack(const std::vector<std::string>& args);
int RunLibraryExport(const std::vector<std::string>& args);
int RunLibraryImport(const std::vector<std::string>& args);
int RunLibraryVerify(const std::vector<std::string>& args);

}  // namespace tq::cli
