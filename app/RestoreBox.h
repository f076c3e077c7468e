// The confirmation asked before the cube is put back to its start position.
#pragma once

class QWidget;

enum class TAnswer { Yes, No, Cancel };

// A modal information box centred on the screen, titled "Informations", asking "Restore initial cube?"
// with "Oui" (the default, Enter) and "Non" (Escape). Cancel when it ends with neither, e.g. when the
// application quits while it is open.
TAnswer askRestoreInitialCube();
