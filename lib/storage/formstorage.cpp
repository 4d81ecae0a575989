#include "storage/formstorage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWidget>
#include <QtDebug>

#include "graphics/gui/componentutils.h"
#include "platform/gui/application.h"
#include "platform/runtime/stringlist.h"
#include "platform/text/colortext.h"
#include "platform/text/font.h"
#include "storage/placement.h"
#include "storage/propsstorage.h"
#include "storage/storeditems.h"
#include "storage/wildcard.h"
#include "utils/convutils.h"
#include "utils/fontconv.h"
#include "utils/paths.h"

namespace vexo {

namespace {

const QString kActiveControl = QStringLiteral("ActiveControl");
const QString kVisible = QStringLiteral("Visible");

QString FolderOf(const QString& fileName) {
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : fileName.left(slash + 1);
}

template <class F> void Guarded(F&& work) {
    try {
        work();
    } catch (const std::exception& e) {
        // Only a widget application has the exception box; forms imply one.
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr)
            Application()->HandleException(e);
        else
            qWarning("%s", e.what());
    }
}

// The array forms of the INI operations: index by index up to the shortest array's end.
template <class Values, class Write>
void WriteEach(const QStringList& idents, const Values& values, Write write) {
    for (qsizetype i = 0; i < qMin(idents.size(), values.size()); ++i)
        write(idents.at(i), values.at(i));
}

template <class Defs, class Values, class Read>
void ReadEach(const QStringList& idents, const Defs& defs, Values& values, Read read) {
    for (qsizetype i = 0; i < qMin(qMin(idents.size(), defs.size()), values.size()); ++i)
        read(idents.at(i), defs.at(i), values[i]);
}

// Splits "key=value" at the first "=".
std::pair<QString, QString> SplitLine(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? std::pair{line, QString()} : std::pair{line.left(eq), line.mid(eq + 1)};
}

} // namespace

TvexoFormStorage::TvexoFormStorage(TComponent* owner)
    : TComponentObject(owner), storedProps_(new TStringList(this)) {
    if (owner != nullptr && IsForm(owner))
        options_ = TvexoPlacementOptions(fpState | fpPosition);
}

TvexoFormStorage::~TvexoFormStorage() {
    if (!(ComponentState() & csDesigning))
        RestoreEvents();
    IniFree();
}

QString TvexoFormStorage::IniFileName() const {
    if (!iniFileName_.isEmpty() || (ComponentState() & csDesigning))
        return iniFileName_;
    return DefaultIniName();
}

QString TvexoFormStorage::IniSection() const {
    if (!iniSection_.isEmpty() || (ComponentState() & csDesigning))
        return iniSection_;
    if (Owner() == nullptr)
        return QString();
    // While the owner is being destroyed its class is already one of its bases; the name it
    // had when it was whole is the one to save under.
    if ((Owner()->ComponentState() & csDestroying) && !ownerClassName_.isEmpty())
        return ownerClassName_;
    return Owner()->ClassName();
}

TStrings* TvexoFormStorage::StoredProps() const {
    return storedProps_;
}

void TvexoFormStorage::SetStoredProps(TStrings* value) {
    if (value == nullptr || value == storedProps_)
        return;
    storedProps_->Assign(*value);
    for (int i = 0; i < storedProps_->Count(); ++i)
        if (TComponent* component = TComponent::FromObject(storedProps_->Objects(i)))
            component->FreeNotification(this);
}

QWidget* TvexoFormStorage::OwnerForm() const {
    return GetOwnerFormWidget(this);
}

bool TvexoFormStorage::IniFolderExists() const {
    return DirectoryExists(FolderOf(IniFileName()));
}

void TvexoFormStorage::Loaded() {
    const bool loading = ComponentState() & csLoading;
    TComponentObject::Loaded();
    if (loading && !(ComponentState() & csDesigning))
        SetEvents();
    UpdateStoredList(Owner(), storedProps_, true);
}

void TvexoFormStorage::WriteState() {
    UpdateStoredList(Owner(), storedProps_, true);
}

void TvexoFormStorage::Notification(TComponent* component, TOperation operation) {
    TComponentObject::Notification(component, operation);
    if (operation != opRemove || (ComponentState() & csDestroying) || component == nullptr)
        return;
    for (int i = storedProps_->Count() - 1; i >= 0; --i)
        if (storedProps_->Objects(i) == component->Object())
            storedProps_->Delete(i);
}

void TvexoFormStorage::Destroying() {
    const bool first = !(ComponentState() & csDestroying);
    TComponentObject::Destroying();
    // The owner form is going: this is its OnDestroy, before anything it owns is freed.
    if (first && Owner() != nullptr && (Owner()->ComponentState() & csDestroying) && Hooked())
        FormDestroy();
}

void TvexoFormStorage::SetEvents() {
    QWidget* form = OwnerForm();
    if (form == nullptr || hookedForm_ == form)
        return;
    RestoreEvents();
    hookedForm_ = form;
    ownerClassName_ = Owner() != nullptr ? Owner()->ClassName() : QString();
    form->installEventFilter(this);
}

void TvexoFormStorage::RestoreEvents() {
    if (!hookedForm_.isNull())
        hookedForm_->removeEventFilter(this);
    hookedForm_.clear();
}

bool TvexoFormStorage::eventFilter(QObject* watched, QEvent* event) {
    if (watched != hookedForm_.data() || hookedForm_.isNull())
        return false;
    if (event->type() == QEvent::Show && !event->spontaneous()) {
        FormShow();
        return false;
    }
    if (event->type() == QEvent::Close) {
        // The form's own close handling decides first; the event is delivered here.
        static_cast<QObject*>(watched)->event(event);
        bool canClose = event->isAccepted();
        FormCloseQuery(canClose);
        event->setAccepted(canClose);
        return true;
    }
    return false;
}

void TvexoFormStorage::FormShow() {
    ownerClassName_ = Owner() != nullptr ? Owner()->ClassName() : QString();
    if (active_)
        Guarded([this] { RestoreFormPlacement(); });
}

void TvexoFormStorage::FormCloseQuery(bool& canClose) {
    QWidget* form = OwnerForm();
    if (form != nullptr && canClose && active_ && form->testAttribute(Qt::WA_WState_Created))
        Guarded([this] { SaveFormPlacement(); });
}

void TvexoFormStorage::FormDestroy() {
    if (!active_ || saved_)
        return;
    destroying_ = true;
    Guarded([this] { SaveFormPlacement(); });
    destroying_ = false;
}

void TvexoFormStorage::SaveFormPlacement() {
    // Without an owner and a section of its own there is no section to write to.
    if (IniSection().isEmpty() || !IniFolderExists() || !(restored_ || !active_))
        return;
    IniNeeded();
    struct Free {
        TvexoFormStorage* self;
        ~Free() { self->IniFree(); }
    } free{this};
    SavePlacement();
    Save();
    saved_ = true;
}

void TvexoFormStorage::RestoreFormPlacement() {
    saved_ = false;
    {
        IniNeeded();
        struct Free {
            TvexoFormStorage* self;
            ~Free() { self->IniFree(); }
        } free{this};
        RestorePlacement();
        restored_ = true;
        Restore();
        if ((options_ & fpActiveControl) && OwnerForm() != nullptr)
            ActivateStoredControl(OwnerForm());
    }
    UpdatePlacement();
}

void TvexoFormStorage::ActivateStoredControl(QWidget* form) {
    const QString name = iniFile_->ReadString(IniSection(), kActiveControl, QString());
    TComponent* owner = TComponent::FromObject(form);
    TComponent* found = owner == nullptr ? nullptr : owner->FindComponent(name);
    auto* control = found == nullptr ? nullptr : qobject_cast<QWidget*>(found->Object());
    if (control != nullptr && control->isEnabled() && control->focusPolicy() != Qt::NoFocus)
        control->setFocus();
}

void TvexoFormStorage::SavePlacement() {
    QWidget* form = OwnerForm();
    if (form != nullptr && IniFolderExists() && iniFile_) {
        const QString section = IniSection();
        SavePlacementToIni(form, *iniFile_, section);
        if (options_ & fpActiveControl) {
            if (const TComponent* control = TComponent::FromObject(form->focusWidget());
                control != nullptr && !control->Name().isEmpty())
                iniFile_->WriteString(section, kActiveControl, control->Name());
        }
        iniFile_->WriteBool(section, kVisible, destroying_);
    }
    SaveProperties();
}

void TvexoFormStorage::RestorePlacement() {
    QWidget* form = OwnerForm();
    if (form != nullptr && iniFile_) {
        LoadPlacementFromIni(form, *iniFile_, IniSection(), options_ & fpPosition,
                             options_ & fpState);
    }
    restored_ = true;
    RestoreProperties();
}

void TvexoFormStorage::SaveProperties() {
    TvexoPropsStorage storage;
    storage.Section = IniSection();
    storage.OnWriteString = [this](const QString& s, const QString& i, const QString& v) {
        DoWriteString(s, i, v);
    };
    storage.OnEraseSection = [this](const QString& section) {
        if (iniFile_)
            iniFile_->EraseSection(section);
        else
            TIniFile(IniFileName()).EraseSection(section);
    };
    storage.StoreObjectsProps(Owner(), storedProps_);
}

void TvexoFormStorage::RestoreProperties() {
    TvexoPropsStorage storage;
    storage.Section = IniSection();
    storage.OnReadString = [this](const QString& s, const QString& i, const QString& d) {
        return DoReadString(s, i, d);
    };
    storage.OnEraseSection = [this](const QString& section) {
        if (iniFile_)
            iniFile_->EraseSection(section);
    };
    try {
        storage.LoadObjectsProps(Owner(), storedProps_);
    } catch (...) {
        // Stored values never stop a restore.
    }
}

QString TvexoFormStorage::DoReadString(const QString& section, const QString& ident,
                                       const QString& def) {
    if (iniFile_)
        return iniFile_->ReadString(section, ident, def);
    return TIniFile(IniFileName()).ReadString(section, ident, def);
}

void TvexoFormStorage::DoWriteString(const QString& section, const QString& ident,
                                     const QString& value) {
    if (iniFile_)
        iniFile_->WriteString(section, ident, value);
    else
        TIniFile(IniFileName()).WriteString(section, ident, value);
}

void TvexoFormStorage::Save() {
    if (OnSavePlacement)
        OnSavePlacement(this);
}

void TvexoFormStorage::Restore() {
    if (OnRestorePlacement)
        OnRestorePlacement(this);
}

void TvexoFormStorage::IniNeeded() {
    if (!iniFile_)
        iniFile_ = std::make_unique<TIniFile>(IniFileName());
}

void TvexoFormStorage::IniFree() {
    iniFile_.reset();
}

void TvexoFormStorage::WriteString(const QString& section, const QString& ident,
                                   const QString& value) {
    TIniFile(IniFileName()).WriteString(section, ident, value);
}

QString TvexoFormStorage::ReadString(const QString& section, const QString& ident,
                                     const QString& def) {
    return TIniFile(IniFileName()).ReadString(section, ident, def);
}

void TvexoFormStorage::WriteInteger(const QString& section, const QString& ident, qint32 value) {
    TIniFile(IniFileName()).WriteInteger(section, ident, value);
}

qint32 TvexoFormStorage::ReadInteger(const QString& section, const QString& ident, qint32 def) {
    return TIniFile(IniFileName()).ReadInteger(section, ident, def);
}

void TvexoFormStorage::WriteBool(const QString& section, const QString& ident, bool value) {
    TIniFile(IniFileName()).WriteBool(section, ident, value);
}

bool TvexoFormStorage::ReadBool(const QString& section, const QString& ident, bool def) {
    return StrToBool(ReadString(section, ident, BoolToStr(def)));
}

void TvexoFormStorage::WriteColor(const QString& section, const QString& ident, TColor value) {
    WriteString(section, ident, ColorToString(value));
}

TColor TvexoFormStorage::ReadColor(const QString& section, const QString& ident, TColor def) {
    const QString text = ReadString(section, ident, ColorToString(def));
    try {
        return StringToColor(text);
    } catch (const EConvertError&) {
        return def;
    }
}

void TvexoFormStorage::WriteFont(const QString& section, const QString& ident, const TFont* font) {
    WriteString(section, ident, FontToStr(font));
}

void TvexoFormStorage::ReadFont(const QString& section, const QString& ident, TFont* font,
                                const TFont* def) {
    const QString defText = FontToStr(def);
    try {
        StrToFont(ReadString(section, ident, defText), font);
    } catch (const EConvertError&) {
        StrToFont(defText, font);
    }
}

void TvexoFormStorage::WriteStrings(const QString& section, const QStringList& idents,
                                    const QStringList& values) {
    WriteEach(idents, values, [&](const QString& ident, const QString& value) {
        WriteString(section, ident, value);
    });
}

void TvexoFormStorage::ReadStrings(const QString& section, const QStringList& idents,
                                   const QStringList& defs, QStringList& values) {
    ReadEach(idents, defs, values, [&](const QString& ident, const QString& def, QString& value) {
        value = ReadString(section, ident, def);
    });
}

void TvexoFormStorage::WriteIntegers(const QString& section, const QStringList& idents,
                                     const QList<qint32>& values) {
    WriteEach(idents, values,
              [&](const QString& ident, qint32 value) { WriteInteger(section, ident, value); });
}

void TvexoFormStorage::ReadIntegers(const QString& section, const QStringList& idents,
                                    const QList<qint32>& defs, QList<qint32>& values) {
    ReadEach(idents, defs, values, [&](const QString& ident, qint32 def, qint32& value) {
        value = ReadInteger(section, ident, def);
    });
}

void TvexoFormStorage::WriteBools(const QString& section, const QStringList& idents,
                                  const QList<bool>& values) {
    WriteEach(idents, values,
              [&](const QString& ident, bool value) { WriteBool(section, ident, value); });
}

void TvexoFormStorage::ReadBools(const QString& section, const QStringList& idents,
                                 const QList<bool>& defs, QList<bool>& values) {
    ReadEach(idents, defs, values, [&](const QString& ident, bool def, bool& value) {
        value = ReadBool(section, ident, def);
    });
}

void TvexoFormStorage::WriteColors(const QString& section, const QStringList& idents,
                                   const QList<TColor>& values) {
    WriteEach(idents, values,
              [&](const QString& ident, TColor value) { WriteColor(section, ident, value); });
}

void TvexoFormStorage::ReadColors(const QString& section, const QStringList& idents,
                                  const QList<TColor>& defs, QList<TColor>& values) {
    ReadEach(idents, defs, values, [&](const QString& ident, TColor def, TColor& value) {
        value = ReadColor(section, ident, def);
    });
}

void TvexoFormStorage::WriteFonts(const QString& section, const QStringList& idents,
                                  const QList<TFont*>& values) {
    WriteEach(idents, values,
              [&](const QString& ident, const TFont* font) { WriteFont(section, ident, font); });
}

void TvexoFormStorage::ReadFonts(const QString& section, const QStringList& idents,
                                 const QList<TFont*>& defs, const QList<TFont*>& values) {
    QList<TFont*> targets = values;
    ReadEach(idents, defs, targets, [&](const QString& ident, const TFont* def, TFont* font) {
        ReadFont(section, ident, font, def);
    });
}

void TvexoFormStorage::ReadSection(const QString& section, TStrings& list) {
    TIniFile(IniFileName()).ReadSection(section, list);
}

void TvexoFormStorage::ReadSectionValues(const QString& section, TStrings& list) {
    TIniFile(IniFileName()).ReadSectionValues(section, list);
}

void TvexoFormStorage::ReadKeyValues(const QString& section, TStrings& list) {
    TStringList lines;
    TIniFile(IniFileName()).ReadSectionValues(section, lines);
    list.BeginUpdate();
    list.Clear();
    for (int i = 0; i < lines.Count(); ++i)
        list.Add(SplitLine(lines.Strings(i)).second);
    list.EndUpdate();
}

void TvexoFormStorage::EraseSection(const QString& section) {
    TIniFile(IniFileName()).EraseSection(section);
}

void TvexoFormStorage::Clear() {
    EraseSection(IniSection());
}

// One rewrite of the file instead of erasing and rewriting the section key by key: a crash in
// between can lose nothing, and comments stay.
void TvexoFormStorage::DeleteIdent(const QString& section, const QString& ident) {
    TIniFile(IniFileName()).DeleteKey(section, ident);
}

void TvexoFormStorage::RenameSection(const QString& oldSection, const QString& newSection) {
    TIniFile ini(IniFileName());
    TStringList lines;
    ini.ReadSectionValues(oldSection, lines);
    ini.EraseSection(oldSection);
    for (int i = 0; i < lines.Count(); ++i) {
        const auto [key, value] = SplitLine(lines.Strings(i));
        ini.WriteString(newSection, key, value);
    }
}

void TvexoFormStorage::RenameIdent(const QString& section, const QString& oldIdent,
                                   const QString& newIdent) {
    TIniFile(IniFileName()).RenameKey(section, oldIdent, newIdent);
}

void TvexoFormStorage::EraseSections() {
    if (iniFile_)
        return;
    IniNeeded();
    struct Free {
        TvexoFormStorage* self;
        ~Free() { self->IniFree(); }
    } free{this};
    const QString section = IniSection();
    TStringList sections;
    iniFile_->ReadSections(sections);
    for (int i = 0; i < sections.Count(); ++i) {
        const QString name = sections.Strings(i);
        if (name == section || WildcardMatch(name, section + QStringLiteral(".*"), false) ||
            WildcardMatch(name, section + QStringLiteral("\\*"), false))
            iniFile_->EraseSection(name);
    }
}

} // namespace vexo
