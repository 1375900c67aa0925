// The program's icon for its windows' title bars and the task switcher.
#pragma once

#include <QIcon>

// The sizes a desktop shows, from pixels carried in the program; empty only
// if the resources were missing from the build.
QIcon ProgramIcon();
