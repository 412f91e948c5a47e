#pragma once

// The ids of Horumina.exe's resources (horumina.rc.in), shared with the
// front end that loads them: LoadIconW(instance, MAKEINTRESOURCEW(HORUMINA_ICON)).
// The first icon of an .exe is the one Explorer, the task bar and the
// Start menu show.
#define HORUMINA_ICON 1
