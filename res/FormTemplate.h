#pragma once

#include "DialogTemplate.h"

// Form template IDD_DRAVONEL_FORM (101): a child window without caption, 573 x 233 dialog units,
// controls in template order (also the tab order), lists filled in list order, every input and result
// named for assistive technology after its label.
extern const DialogTemplate kDravonelFormTemplate;
