#include "app/maintexts.h"

#include <QString>

namespace varnova {

// Sources are UTF-8; every table entry is stored as UTF-8 bytes and converted when read.

const std::array<std::array<const char*, MainTextCount>, LanguageCount> MainTexts = {{
    {{
        "Выберите рабочие папки",               // 0
        "Выберите копируемый рисунок",          // 1
        "Открыть папку-источник",               // 2
        "Точечные рисунки (*.bmp)|*.bmp",       // 3
        "Открыть папку результатов",            // 4
        "Ошибка: папка-источник пуста",         // 5
        "Папка-источник :  ",                   // 6
        "Рабочий рисунок :  ",                  // 7
        "Папка-результат :  ",                  // 8
        "Язык интерфейса :",                    // 9
        "Открыть копируемый рисунок",           // 10
        "Обработка",                            // 11
        "Ошибка: совпадение рабочих папок",     // 12
        "Процесс прерван",                      // 13
        "Обработано рисунков : ",               // 14
        "Внимание: папка результатов не пуста", // 15
        "Стоп",                                 // 16
        "Метод обработки :",                    // 17
        "",                                     // 18
        "",                                     // 19
    }},
    {{
        "Select work directories",                   // 0
        "Select working image",                      // 1
        "Open input directory",                      // 2
        "Bitmap images (*.bmp)|*.bmp",               // 3
        "Open output directory",                     // 4
        "Error: input directory is empty",           // 5
        "Input directory :  ",                       // 6
        "Working image :  ",                         // 7
        "Output directory :  ",                      // 8
        "Interface language :",                      // 9
        "Open working image",                        // 10
        "Processing",                                // 11
        "Error: you've selected the same directory", // 12
        "Process aborted",                           // 13
        "Processed images : ",                       // 14
        "Warning: output directory is not empty",    // 15
        "Stop",                                      // 16
        "Process method :",                          // 17
        "",                                          // 18
        "",                                          // 19
    }},
}};

const std::array<std::array<const char*, ModeCount>, LanguageCount> ModeHints = {{
    {{
        "Заполняет область источника черным цветом. Собственное изображение  источника и "
        "копируемое изображение игнорируются.",                                     // 0
        "Инвертирует изображение источника. Копируемое изображение  игнорируется.", // 1
        "Комбинирует изображение источника и копируемое изображение,  используя булеву "
        "операцию and.", // 2
        "Комбинирует изображение источника и инвертированное копируемое  изображение, "
        "используя булеву операцию or.", // 3
        "Копирует в источник инверсное изображение. Собственное  изображение источника "
        "игнорируется.", // 4
        "Комбинирует изображение источника и копируемое изображение,  используя булеву "
        "операцию or, а затем инвертирует результат.", // 5
        "Копирует шаблон копируемого изображения в источник. Собственное  изображение "
        "источника игнорируется.", // 6
        "Комбинирует изображение источника и шаблон копируемого изображения,  используя "
        "булеву операцию xor.", // 7
        "Комбинирует инверсное копируемое изображение и его шаблон, используя  булеву "
        "операцию or. Затем этот результат комбинируется с изображением  источника, "
        "используя булеву операцию or.", // 8
        "Комбинирует изображение источника и копируемого изображения,  используя булеву "
        "операцию and.", // 9
        "Копирует копируемое изображение в источник. Собственное  изображение источника "
        "игнорируется.", // 10
        "Инвертирует изображение источника и комбинирует результат  с копируемым "
        "изображением, используя булеву операцию and.", // 11
        "Комбинирует изображение источника и копируемое изображение,  используя булеву "
        "операцию xor. Повторное копирование восстанавливает  прежнее изображение "
        "источника.", // 12
        "Комбинирует изображение источника и копируемое изображение,  используя булеву "
        "операцию or.", // 13
        "Заполняет область источника белым цветом. Собственное изображение  источника и "
        "копируемое изображение игнорируются.", // 14
    }},
    {{
        "Fills the destination rectangle on the canvas with black.", // 0
        "Inverts the image on the canvas and ignores the source.",   // 1
        "Combines the image on the canvas and the source bitmap  by using the Boolean AND "
        "operator.", // 2
        "Combines the inverted source bitmap with the image on  the canvas by using the "
        "Boolean OR operator.",                             // 3
        "Copies the inverted source bitmap to the canvas.", // 4
        "Combines the image on the canvas and the source bitmap  by using the Boolean OR "
        "operator, and inverts the result.",        // 5
        "Copies the source pattern to the canvas.", // 6
        "Combines the source pattern with the image on the canvas  using the Boolean XOR "
        "operator.", // 7
        "Combines the inverted source bitmap with the source pattern by using  the Boolean "
        "OR operator. Combines the result of this operation with  the image on the canvas "
        "by using the Boolean OR operator.", // 8
        "Combines the image on the canvas and source bitmap by using  the Boolean AND "
        "operator.",                               // 9
        "Copies the source bitmap to the canvas.", // 10
        "Inverts the image on the canvas and combines the result with the  source bitmap "
        "by using the Boolean AND operator.", // 11
        "Combines the image on the canvas and the source bitmap by using  the Boolean XOR "
        "operator.", // 12
        "Combines the image on the canvas and the source bitmap by using  the Boolean OR "
        "operator.",                                                 // 13
        "Fills the destination rectangle on the canvas with white.", // 14
    }},
}};

const std::array<std::array<const char*, AboutTextCount>, LanguageCount> AboutTexts = {{
    {{
        " О программе",                                     // 0
        "Автор: Ирина Варнова",                             // 1
        "Россия, Новосибирск, 2003",                        // 2
        "Домашняя страница автора:",                        // 3
        "Все замечания и предложения присылайте на ящики:", // 4
    }},
    {{
        " About",                                // 0
        "Author: Irina Varnova",                 // 1
        "Russia, Novosibirsk, 2003",             // 2
        "Home page of the author:",              // 3
        "All remarks and offers send on boxes:", // 4
    }},
}};

const std::array<const char*, LanguageCount> WorkImageOverwriteTexts = {
    "Ошибка: результат заменит рабочий рисунок",
    "Error: the result would overwrite the working image",
};

const std::array<const char*, LanguageCount> BrowseFolderCaptions = {
    "Обзор папок",
    "Browse for Folder",
};

namespace {

// Scrambles at compile time, so only the scrambled code units end up in the program.
template <std::size_t N>
constexpr std::array<char16_t, N - 1> Scramble(const char16_t (&text)[N], int constant) {
    std::array<char16_t, N - 1> out{};
    for (std::size_t i = 0; i + 1 < N; ++i)
        out[i] = char16_t(text[i] + constant);
    return out;
}

constexpr auto AuthorRu = Scramble(u"Автор: Ирина Варнова", AuthorLineShift);
constexpr auto AuthorEn = Scramble(u"Author: Irina Varnova", AuthorLineShift);

int LanguageOrRussian(int lang) {
    return lang == 1 ? 1 : 0;
}

} // namespace

const std::array<std::u16string_view, LanguageCount> AuthorLines = {
    std::u16string_view(AuthorRu.data(), AuthorRu.size()),
    std::u16string_view(AuthorEn.data(), AuthorEn.size()),
};

QString MainText(int lang, int entry) {
    const int l = LanguageOrRussian(lang);
    if (entry == WorkImageOverwriteEntry)
        return QString::fromUtf8(WorkImageOverwriteTexts[l]);
    if (entry < 0 || entry >= MainTextCount)
        return {};
    return QString::fromUtf8(MainTexts[l][entry]);
}

QString ModeHint(int lang, int mode) {
    if (mode < 0 || mode >= ModeCount)
        return {};
    return QString::fromUtf8(ModeHints[LanguageOrRussian(lang)][mode]);
}

QString AboutText(int lang, int entry) {
    if (entry < 0 || entry >= AboutTextCount)
        return {};
    return QString::fromUtf8(AboutTexts[LanguageOrRussian(lang)][entry]);
}

QString BrowseFolderCaption(int lang) {
    return QString::fromUtf8(BrowseFolderCaptions[LanguageOrRussian(lang)]);
}

QString UnscrambleText(QStringView stored, int constant) {
    QString out(stored.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < stored.size(); ++i)
        out[i] = QChar(char16_t(stored[i].unicode() - constant));
    return out;
}

} // namespace varnova
