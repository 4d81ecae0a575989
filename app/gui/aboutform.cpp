#include "app/gui/aboutform.h"

#include <QDesktopServices>
#include <QFile>

#include "app/gui/resources.h"
#include "app/maintexts.h"
#include "platform/image/jpegimage.h"
#include "platform/runtime/exception.h"

namespace varnova {

using namespace vexo;

TAboutForm* AboutForm = nullptr;

namespace {

// Home page and mail line, every code unit raised by a constant of its own.
constexpr int HomePageShift = 3;
constexpr char16_t HomePageStored[] = u"kwwsv=22yduqryd1h{dpsoh1ruj2";
constexpr int MailShift = 5;
constexpr char16_t MailStored[] = u"{fwst{fEj}fruqj3twl1%nwnsf3{fwst{fEj}fruqj3sjy";

TLabel* MakeLabel(TForm* form, const char* name, int l, int t, int w, int h,
                  const QString& caption) {
    auto* label = new TLabel(form);
    label->SetName(QString::fromLatin1(name));
    label->setGeometry(l, t, w, h);
    label->SetAlignment(taCenter);
    label->SetLayout(tlCenter);
    label->SetAutoSize(false);
    label->SetCaption(caption);
    return label;
}

} // namespace

QString TAboutForm::HomePage() {
    return UnscrambleText(HomePageStored, HomePageShift);
}

TAboutForm::TAboutForm(TComponent* owner) : TForm(owner) {
    InitGuiResources();
    AboutForm = this;
    CreateDesignedForm();
    Label2->SetCaption(HomePage());
    Label5->SetCaption(UnscrambleText(MailStored, MailShift));
}

TAboutForm::~TAboutForm() {
    if (AboutForm == this)
        AboutForm = nullptr;
}

void TAboutForm::CreateDesignedForm() {
    SetName(QStringLiteral("AboutForm"));
    SetCaption(QStringLiteral(" О программе "));
    SetClientSize(374, 213);
    SetBorderStyle(bsDialog);
    OnMouseMove = [this](QObject* s, TShiftState m, int x, int y) { ShowURL(s, m, x, y); };

    Bevel1 = new TBevel(this);
    Bevel1->SetName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(10, 10, 164, 124);
    Bevel1->SetShape(TBevel::bsFrame);
    Bevel1->SetStyle(TBevel::bsRaised);
    Image1 = new TImage(this);
    Image1->SetName(QStringLiteral("Image1"));
    Image1->setGeometry(12, 12, 160, 120);
    Image1->SetAutoSize(true);
    QFile picture(QStringLiteral(":/about/picture.jpg"));
    if (picture.open(QIODevice::ReadOnly)) {
        auto jpeg = std::make_unique<TJPEGImage>();
        jpeg->LoadFromBytes(picture.readAll());
        Image1->Picture().SetGraphic(std::move(jpeg));
        Image1->PictureChanged();
    }

    Label1 = MakeLabel(this, "Label1", 200, 35, 146, 13, QStringLiteral("Varnova v1.0"));
    Label6 = MakeLabel(this, "Label6", 200, 59, 146, 13, AboutText(0, atAuthor));
    Label7 = MakeLabel(this, "Label7", 200, 83, 146, 13, AboutText(0, atPlace));
    Label4 = MakeLabel(this, "Label4", 40, 146, 311, 13, AboutText(0, atHomePage));
    Label2 = MakeLabel(this, "Label2", 40, 160, 311, 13, QString());
    Label2->Font()->SetColor(clBlue);
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->OnClick = [this](QObject* s) { RunIE(s); };
    Label2->OnDblClick = [this](QObject* s) { RunIE(s); };
    Label2->OnMouseMove = [this](QObject* s, TShiftState m, int x, int y) { ShowURL(s, m, x, y); };
    Label3 = MakeLabel(this, "Label3", 40, 180, 311, 13, AboutText(0, atMail));
    Label5 = MakeLabel(this, "Label5", 40, 194, 311, 13, QString());
    Label5->Font()->SetColor(clBlue);
}

void TAboutForm::ShowURL(QObject* Sender, TShiftState, int, int) {
    if (Sender->objectName() == QStringLiteral("Label2"))
        Label2->Font()->SetStyle(fsUnderline);
    else if (Sender->objectName() == QStringLiteral("AboutForm"))
        Label2->Font()->SetStyle({});
}

void TAboutForm::RunIE(QObject*) {
    const QUrl url(HomePage());
    if (OpenUrlHook)
        OpenUrlHook(url);
    else
        QDesktopServices::openUrl(url);
}

void TAboutForm::ApplyLanguage(int lang) {
    SetCaption(AboutText(lang, atCaption));
    Label7->SetCaption(AboutText(lang, atPlace));
    Label4->SetCaption(AboutText(lang, atHomePage));
    Label3->SetCaption(AboutText(lang, atMail));
    Label6->SetCaption(UnscrambleText(AuthorLines[lang == 1 ? 1 : 0], AuthorLineShift));
}

} // namespace varnova
