#pragma once
// The form storage: a non-visual component on a form that restores the form's placement and
// chosen published properties from an INI file when the form is shown and writes them back
// when the form closes or is destroyed; plus general INI operations on the same file.
//
// Hooking (Linux counterpart of replacing the form's OnShow/OnCloseQuery/OnDestroy): the
// storage installs itself as an event filter on the owner form's widget. On a Show event it
// restores before the form's own show handling; on a Close event it lets the form's own close
// handling decide first (delivering the event itself) and saves when the close goes ahead; the
// save on destruction runs when the owner form starts being destroyed, before any of its
// components are freed. Exceptions of the automatic restore and save go to the application's
// exception handling and never stop the show or close.

#include <QFlags>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "platform/ini/inifile.h"
#include "platform/runtime/component.h"
#include "platform/runtime/stringlist.h"
#include "platform/runtime/types.h"
#include "vexo/storage_export.h"

class QWidget;

namespace vexo {

class TFont;

class VEXO_STORAGE_EXPORT TvexoFormStorage : public TComponentObject {
    Q_OBJECT
    Q_CLASSINFO("Default.Active", "True")
    Q_CLASSINFO("Default.Options", "[fpState,fpPosition]")
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(QString IniFileName READ IniFileName WRITE SetIniFileName)
    Q_PROPERTY(QString IniSection READ IniSection WRITE SetIniSection)
    Q_PROPERTY(TvexoPlacementOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(vexo::TStrings* StoredProps READ StoredProps WRITE SetStoredProps)
public:
    enum TvexoPlacementOption { fpState = 0x1, fpPosition = 0x2, fpActiveControl = 0x4 };
    Q_DECLARE_FLAGS(TvexoPlacementOptions, TvexoPlacementOption)
    Q_FLAG(TvexoPlacementOptions)

    // Active; Options [fpState, fpPosition] when the owner is a form, else empty.
    Q_INVOKABLE explicit TvexoFormStorage(vexo::TComponent* owner = nullptr);
    // Unhooks the form.
    ~TvexoFormStorage() override;

    bool Active() const { return active_; }
    void SetActive(bool active) { active_ = active; }
    // The stored name; when empty (and not designing) the program's folder + its name + ".ini".
    QString IniFileName() const;
    void SetIniFileName(const QString& name) { iniFileName_ = name; }
    // The stored section; when empty (and not designing) the class name of the owner.
    QString IniSection() const;
    void SetIniSection(const QString& section) { iniSection_ = section; }
    TvexoPlacementOptions Options() const { return options_; }
    void SetOptions(TvexoPlacementOptions options) { options_ = options; }
    // One stored item per line ("Edit1.Text", "Edit2.Text|#|LastText").
    TStrings* StoredProps() const;
    // Copies the lines and asks each line's component for a free notification.
    void SetStoredProps(TStrings* value);

    bool Saved() const { return saved_; }
    bool Restored() const { return restored_; }
    bool Hooked() const { return !hookedForm_.isNull(); }
    // The shared INI object between IniNeeded and IniFree, else none.
    TIniFile* IniFile() const { return iniFile_.get(); }

    std::function<void(QObject*)> OnSavePlacement;
    std::function<void(QObject*)> OnRestorePlacement;

    // Resolves StoredProps against the owner before the storage is written out.
    void WriteState();
    void SetEvents();
    void RestoreEvents();
    void SaveFormPlacement();
    void RestoreFormPlacement();
    // Deliberately nothing: it would hide a form that is not yet visible (Qt shows no window
    // that was not shown) and put the maximized position at minus the frame, which on X11 and
    // Wayland the window manager decides and no client can set.
    void UpdatePlacement() {}
    void IniNeeded();
    void IniFree();

    virtual void SaveProperties();
    virtual void RestoreProperties();
    virtual void SavePlacement();
    virtual void RestorePlacement();
    virtual QString DoReadString(const QString& section, const QString& ident, const QString& def);
    virtual void DoWriteString(const QString& section, const QString& ident, const QString& value);

    // Direct INI operations, each on its own temporary INI object.
    void WriteString(const QString& section, const QString& ident, const QString& value);
    QString ReadString(const QString& section, const QString& ident, const QString& def);
    void WriteInteger(const QString& section, const QString& ident, qint32 value);
    qint32 ReadInteger(const QString& section, const QString& ident, qint32 def);
    void WriteBool(const QString& section, const QString& ident, bool value);
    bool ReadBool(const QString& section, const QString& ident, bool def);
    // The colour's identifier ("clBtnFace") where it has one, else "$" and eight hex digits.
    void WriteColor(const QString& section, const QString& ident, TColor value);
    // A text that is no colour gives the default, as ReadInteger does for numbers.
    TColor ReadColor(const QString& section, const QString& ident, TColor def);
    // FontToStr of the font ("MS Sans Serif,clWindowText,N,8").
    void WriteFont(const QString& section, const QString& ident, const TFont* font);
    // Applies the stored text (default: FontToStr(def)) to font; a text whose colour does not
    // convert applies the default instead.
    void ReadFont(const QString& section, const QString& ident, TFont* font, const TFont* def);

    // The array forms: one single operation per index up to the shortest array's end.
    void WriteStrings(const QString& section, const QStringList& idents, const QStringList& values);
    void ReadStrings(const QString& section, const QStringList& idents, const QStringList& defs,
                     QStringList& values);
    void WriteIntegers(const QString& section, const QStringList& idents,
                       const QList<qint32>& values);
    void ReadIntegers(const QString& section, const QStringList& idents, const QList<qint32>& defs,
                      QList<qint32>& values);
    void WriteBools(const QString& section, const QStringList& idents, const QList<bool>& values);
    void ReadBools(const QString& section, const QStringList& idents, const QList<bool>& defs,
                   QList<bool>& values);
    void WriteColors(const QString& section, const QStringList& idents,
                     const QList<TColor>& values);
    void ReadColors(const QString& section, const QStringList& idents, const QList<TColor>& defs,
                    QList<TColor>& values);
    void WriteFonts(const QString& section, const QStringList& idents, const QList<TFont*>& values);
    // Each font of values gets its stored text, the matching font of defs being the default.
    void ReadFonts(const QString& section, const QStringList& idents, const QList<TFont*>& defs,
                   const QList<TFont*>& values);
    void ReadSection(const QString& section, TStrings& list);
    void ReadSectionValues(const QString& section, TStrings& list);
    void ReadKeyValues(const QString& section, TStrings& list);
    void EraseSection(const QString& section);
    // Removes the section IniSection.
    void Clear();
    // Removes one key; the others keep their order (and comments and position in the file).
    void DeleteIdent(const QString& section, const QString& ident);
    // Moves every key of old into new, in order; keys already in new are overwritten.
    void RenameSection(const QString& oldSection, const QString& newSection);
    // Renames a key in place; a missing key changes nothing.
    void RenameIdent(const QString& section, const QString& oldIdent, const QString& newIdent);
    // Erases IniSection and its subsections (IniSection + ".*" and IniSection + "\*").
    void EraseSections();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void Destroying() override;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Fire OnSavePlacement / OnRestorePlacement.
    virtual void Save();
    virtual void Restore();

private:
    void FormShow();
    void FormCloseQuery(bool& canClose);
    void FormDestroy();
    QWidget* OwnerForm() const;
    bool IniFolderExists() const;
    void ActivateStoredControl(QWidget* form);

    bool active_ = true;
    QString iniFileName_;
    QString iniSection_;
    std::unique_ptr<TIniFile> iniFile_;
    TvexoPlacementOptions options_;
    bool saved_ = false;
    bool restored_ = false;
    bool destroying_ = false;
    QPointer<QWidget> hookedForm_;
    QString ownerClassName_; // of the owner as it was when hooked and shown
    TStringList* storedProps_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TvexoFormStorage::TvexoPlacementOptions)

using TvexoPlacementOption = TvexoFormStorage::TvexoPlacementOption;
using TvexoPlacementOptions = TvexoFormStorage::TvexoPlacementOptions;
constexpr TvexoPlacementOption fpState = TvexoFormStorage::fpState;
constexpr TvexoPlacementOption fpPosition = TvexoFormStorage::fpPosition;
constexpr TvexoPlacementOption fpActiveControl = TvexoFormStorage::fpActiveControl;

} // namespace vexo
