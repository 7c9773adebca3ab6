#pragma once
// The zavtool commands, one function each in its own cmd_*.cpp. Declared here so that adding a
// command to the table in main.cpp is a one-line edit; its help text goes in help/NAME.scd.
#include "zavtool/tool.h"

namespace zav::tool {

int RunConfig(Args args);
int RunCourse(Args args);
int RunNew(Args args);
int RunProgress(Args args);
int RunDrill(Args args);
int RunReport(Args args);
int RunPages(Args args);
int RunCheck(Args args);
int RunImport(Args args);
int RunJournal(Args args);

}  // namespace zav::tool
