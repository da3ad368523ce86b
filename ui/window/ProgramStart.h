#pragma once

namespace varnel {

// The converter program: shared helpers first, then the single-instance
// check, then the main window and the event loop. Returns the exit code.
//
// "--quit-when-shown" (not for users) closes the main window right after it
// was first shown, so that the start-up time can be measured and what a run
// writes can be checked.
int RunConverter(int argc, char** argv);

class TfrmUnitsConvert;

// The program ends when its main window closes, and only then: not when the
// help viewer or the About box closes while the window hides in the tray.
void QuitWithMainWindow(TfrmUnitsConvert& window);

} // namespace varnel
