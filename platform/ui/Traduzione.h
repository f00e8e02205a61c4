// Qt's own dialogs (file, print, page setup) in the program's language.
#pragma once

// Loads Qt's Italian translation from Qt's translations folder into the
// application, with the few texts it leaves in English; true when it was
// found. Without it the dialogs stay as Qt ships them and the program runs on
// unchanged. Call once, before the first window.
bool CaricaTraduzioneQt();
