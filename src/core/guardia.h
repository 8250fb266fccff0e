#pragma once

#include <functional>

// The check that every command working on a championship's data makes first.

// The open command, installed by the main window; the guard runs it when the user wants to open a file.
void ImpostaComandoApri(std::function<void()> comando);

// True when a championship is open. When none is, asks whether to open one now and, on Yes, runs the
// open command; returns whether a championship is open afterwards (false on No or a cancelled open).
bool VerificaCampionatoAperto();
