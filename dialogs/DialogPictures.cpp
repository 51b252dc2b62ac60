#include "DialogPictures.h"

#include "Pictures.h"
#include "TemplateBuilder.h"

const DialogTemplate& WithProgramPictures(const DialogTemplate& dialogTemplate) {
    SetTemplatePictureLoader(&LoadPictureResource);
    return dialogTemplate;
}
