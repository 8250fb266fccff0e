#pragma once

// Registers every window of the program, folder by folder: what the program starts with, and what the
// window benchmark opens. A command whose window is not registered stays disabled.
void RegistraTutteLeFinestre();
