#include "platform/gui/openpicturedialog.h"

namespace vexo {

QStringList TOpenPictureDialog::QtFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // The description usually repeats the patterns; Qt reads them from the parentheses.
        filters << (parts[i].contains(QLatin1Char('('))
                        ? parts[i]
                        : QStringLiteral("%1 (%2)").arg(parts[i], patterns));
    }
    return filters;
}

std::unique_ptr<QFileDialog> TOpenPictureDialog::CreateDialog(QWidget* owner) const {
    auto dialog = std::make_unique<QFileDialog>(owner, title_);
    dialog->setObjectName(QStringLiteral("OpenPictureDialog"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setNameFilters(QtFilters(filter_));
    QString ext = defaultExt_;
    ext.remove(QStringLiteral("*."));
    dialog->setDefaultSuffix(ext);
    if (!fileName_.isEmpty())
        dialog->selectFile(fileName_);
    return dialog;
}

bool TOpenPictureDialog::Execute(QWidget* owner) {
    if (owner == nullptr && Owner() != nullptr && Owner()->Object()->isWidgetType())
        owner = static_cast<QWidget*>(Owner()->Object());
    auto dialog = CreateDialog(owner);
    const int result = ExecuteHook ? ExecuteHook(*dialog) : dialog->exec();
    if (result != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return false;
    fileName_ = dialog->selectedFiles().constFirst();
    return true;
}

} // namespace vexo
