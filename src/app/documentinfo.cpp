#include "app/documentinfo.h"

#include <initializer_list>

#include "base/filenames.h"
#include "app/pluralform.h"

namespace quillmap {

namespace {

// The counts of a quantity split into units, largest first: a unit is shown once a larger one
// was shown or its own count is above 0; the last, smallest one always is.
struct unitpart {
    int64_t count;
    const char* name;
};

std::string Spelled(std::initializer_list<unitpart> parts) {
    std::string text;
    bool shown = false;
    const unitpart* last = parts.end() - 1;
    for (const unitpart* part = parts.begin(); part != parts.end(); ++part) {
        shown = shown || part->count > 0 || part == last;
        if (shown) text += std::to_string(part->count) + part->name;
    }
    return text;
}

std::string SizeSentence(int64_t n) {
    return "Он занимает " + Spelled({{n >> 30, " Гб "},
                                     {(n >> 20) % 1024, " Мб "},
                                     {(n >> 10) % 1024, " Кб "},
                                     {n % 1024, " б.\n"}});
}

std::string OpenTimeSentence(int64_t t) {
    return "Он открывался в течение " + Spelled({{t / 3600000, " ч "},
                                                 {(t / 60000) % 60, " мин "},
                                                 {(t / 1000) % 60, " с "},
                                                 {t % 1000, " мс.\n"}});
}

const char* LineEnding(int32_t lines) {
    switch (PluralForm(lines)) {
        case pluralform::one: return "ка.";
        case pluralform::few: return "ки.";
        case pluralform::many: return "ек.";
    }
    return "ек.";
}

}  // namespace

std::string DocumentInfoText(const documentfacts& facts) {
    const bool opened = facts.opentime != -1;
    std::string text = opened ? "У вас открыт документ \"" + FileNameOf(facts.name) + "\".\n"
                              : "Вы сейчас пишете новый документ.\n";
    text += SizeSentence(facts.length);
    if (opened) text += OpenTimeSentence(facts.opentime);
    text += "В документе " + std::to_string(facts.linecount) + " строч" + LineEnding(facts.linecount);
    text += "\nКоординаты курсора: " + std::to_string(int64_t{facts.caretline} + 1) + "-я строчка, " +
            std::to_string(facts.caretcolumn) + "-я позиция.";
    text += "\nВ целом это --- " + std::to_string(facts.caretlinear) + "-я позиция в тексте.";
    if (facts.selectedlength) {
        text += "\nВ тексте есть выделенный фрагмент.\nВыделено " + std::to_string(*facts.selectedlength) +
                " б. текста";
    }
    return text;
}

}  // namespace quillmap
