// Renders each kind of message dialog, the check dialog and the input dialog into one contact
// sheet; with VARNOVA_SHEET_DIR set it is written there as dialogs.png (docs/ has it from here).
#include <QPainter>
#include <gtest/gtest.h>

#include "gauge_dialogs/inputdialogs.h"
#include "gauge_dialogs/messagedialog.h"

using namespace vexo;

TEST(ContactSheet, Dialogs) {
    std::vector<std::unique_ptr<TForm>> dialogs;
    dialogs.push_back(CreateMessageDialog("The file has changed on disk.\nReload it?",
                                          mtConfirmation, {mbYes, mbNo, mbCancel}));
    dialogs.push_back(
        CreateMessageDialog("Low disk space on the result folder.", mtWarning, {mbOK, mbHelp}));
    dialogs.push_back(CreateMessageDialog("Bitmap image is not valid\n/data/in/scan-0042.bmp",
                                          mtError, {mbAbort, mbRetry, mbIgnore}));
    dialogs.push_back(CreateMessageDialog("All 120 results were written.", mtInformation, {mbOK}));
    dialogs.push_back(CreateMessageDialog("A plain message.", mtCustom, {mbOK}));
    dialogs.push_back(CreateMessageDialog("Delete the selected results?", mtWarning,
                                          {mbYes, mbNo, mbYesToAll, mbNoToAll},
                                          "Do not ask again in this session"));
    dialogs.push_back(CreateInputDialog("New folder", "Folder name:", "results"));

    QList<QImage> shots;
    int width = 0, height = 0;
    for (auto& d : dialogs) {
        d->show();
        shots.append(d->grab().toImage());
        d->hide();
        width = std::max(width, shots.back().width());
        height += shots.back().height() + 12;
    }
    QImage sheet(width + 24, height + 12, QImage::Format_RGB32);
    sheet.fill(QColor(0x9a, 0xa4, 0xae));
    QPainter painter(&sheet);
    int y = 12;
    for (const QImage& shot : shots) {
        painter.drawImage(12, y, shot);
        y += shot.height() + 12;
    }
    painter.end();
    const QString dir = qEnvironmentVariable("VARNOVA_SHEET_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(sheet.save(dir + QStringLiteral("/dialogs.png")));
    }
}
