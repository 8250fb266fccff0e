#pragma once

// Registers the chart windows.
void RegistraFinestreGrafici();
