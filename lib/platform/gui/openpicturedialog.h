#pragma once
// The open-picture dialog: filter in the "description|pattern|..." form, title, default
// extension, and the chosen file name.

#include <QFileDialog>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "platform/runtime/component.h"
#include "vexo/platform_gui_export.h"

namespace vexo {

class VEXO_PLATFORM_GUI_EXPORT TOpenPictureDialog : public QObject, public TComponent {
    Q_OBJECT
    VEXO_COMPONENT
    Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    Q_PROPERTY(QString DefaultExt READ DefaultExt WRITE SetDefaultExt)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)

public:
    Q_INVOKABLE explicit TOpenPictureDialog(vexo::TComponent* owner = nullptr)
        : QObject(nullptr), TComponent(this, owner) {}

    QString Filter() const { return filter_; }
    void SetFilter(const QString& filter) { filter_ = filter; }
    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }
    QString DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const QString& ext) { defaultExt_ = ext; }
    QString FileName() const { return fileName_; }
    void SetFileName(const QString& name) { fileName_ = name; }

    // Name filters for Qt from "description|pattern|description|pattern".
    static QStringList QtFilters(const QString& filter);

    // Builds the dialog without running it.
    std::unique_ptr<QFileDialog> CreateDialog(QWidget* owner) const;
    // Runs it over `owner`, by default over the window of the component's owner; true and
    // FileName set when the user chose an existing file.
    bool Execute(QWidget* owner = nullptr);
    // Test seam: when set, Execute hands it the built dialog instead of running it; it
    // returns the dialog's result code.
    static inline std::function<int(QFileDialog&)> ExecuteHook;

private:
    QString filter_;
    QString title_;
    QString defaultExt_;
    QString fileName_;
};

} // namespace vexo
