#pragma once

// Sets the program's interface font: 8 pt "MS Sans Serif", which resolves to Liberation Sans,
// so that captions fit the controls at their designed sizes.
void applyInterfaceFont();
