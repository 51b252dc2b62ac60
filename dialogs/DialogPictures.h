#pragma once

#include "DialogTemplate.h"

// Makes the program's own artwork the source of template pictures, then hands back the template, so a
// dialog's constructor can call it before its controls (and their pictures) are made.
const DialogTemplate& WithProgramPictures(const DialogTemplate& dialogTemplate);
