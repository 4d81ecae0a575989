#include "platform/gui/controlclasses.h"

#include "platform/gui/bevel.h"
#include "platform/gui/button.h"
#include "platform/gui/combobox.h"
#include "platform/gui/edit.h"
#include "platform/gui/form.h"
#include "platform/gui/groupbox.h"
#include "platform/gui/image.h"
#include "platform/gui/label.h"
#include "platform/gui/listbox.h"
#include "platform/gui/mainmenu.h"
#include "platform/gui/memo.h"
#include "platform/gui/openpicturedialog.h"
#include "platform/gui/pagecontrol.h"
#include "platform/gui/popupmenu.h"
#include "platform/gui/speedbutton.h"
#include "platform/gui/timer.h"
#include "platform/runtime/classregistry.h"

namespace vexo {

void RegisterControlClasses() {
    static const bool registered = [] {
        for (const QMetaObject* metaObject :
             {&TForm::staticMetaObject, &TLabel::staticMetaObject, &TEdit::staticMetaObject,
              &TButton::staticMetaObject, &TComboBox::staticMetaObject, &TListBox::staticMetaObject,
              &TImage::staticMetaObject, &TBevel::staticMetaObject, &TSpeedButton::staticMetaObject,
              &TGroupBox::staticMetaObject, &TOpenPictureDialog::staticMetaObject,
              &TMenuItem::staticMetaObject, &TPopupMenu::staticMetaObject,
              &TMainMenu::staticMetaObject, &TImageList::staticMetaObject, &TMemo::staticMetaObject,
              &TPageControl::staticMetaObject, &TTabSheet::staticMetaObject,
              &TTimer::staticMetaObject})
            RegisterClass(metaObject);
        return true;
    }();
    (void)registered;
}

} // namespace vexo
