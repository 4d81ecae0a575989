#pragma once
// The About box: product name, a picture, the author and place lines, the home page as a
// link that is underlined under the mouse and opens in the browser, and the mail line.

#include <QUrl>
#include <functional>

#include "platform/gui/bevel.h"
#include "platform/gui/form.h"
#include "platform/gui/image.h"
#include "platform/gui/label.h"

namespace varnova {

class TAboutForm : public vexo::TForm {
    Q_OBJECT

public:
    explicit TAboutForm(vexo::TComponent* owner = nullptr);
    ~TAboutForm() override;

    // Mouse moves over the window's free area and over the link.
    void ShowURL(QObject* Sender, vexo::TShiftState Shift, int X, int Y);
    // Opens the home page with the desktop's URL opener; a failure is not reported.
    void RunIE(QObject* Sender);
    // The caption, the place line, the two headings and the author line of language `lang`.
    void ApplyLanguage(int lang);

    // The stored (scrambled) home-page address, unscrambled.
    static QString HomePage();
    // Test seam: when set, RunIE hands the address to it instead of the desktop.
    static inline std::function<void(const QUrl&)> OpenUrlHook;

    vexo::TBevel* Bevel1;
    vexo::TImage* Image1;
    vexo::TLabel* Label1;
    vexo::TLabel* Label6;
    vexo::TLabel* Label7;
    vexo::TLabel* Label4;
    vexo::TLabel* Label2;
    vexo::TLabel* Label3;
    vexo::TLabel* Label5;

private:
    void CreateDesignedForm();
};

// The About box, created at start-up after the main window.
extern TAboutForm* AboutForm;

} // namespace varnova
