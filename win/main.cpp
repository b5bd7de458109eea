// Sequate on Windows: gives new part names to the components of the schematic open in the
// running PowerLogic, through COM.

#include "program.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return sequate::win::runProgram([](sequate::win::MainWindow&) {});
}
