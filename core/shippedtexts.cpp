#include "shippedtexts.h"

#include "languagefolder.h"

#include <QTranslator>

#include <memory>
#include <vector>

namespace {
const std::vector<std::unique_ptr<QTranslator>> &catalogues()
{
    static const std::vector<std::unique_ptr<QTranslator>> loaded = [] {
        std::vector<std::unique_ptr<QTranslator>> list;
        const QString folder = LanguageFolder::find(LanguageFolder::programDirectory());
        const QString stem = QStringLiteral("scoutel_");
        const QStringList codes = LanguageFolder::codes(folder, stem);
        for (const QString &code : codes) {
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(stem + code, folder))
                list.push_back(std::move(translator));
        }
        return list;
    }();
    return loaded;
}
} // namespace

QStringList ShippedTexts::everyLanguage(const char *source)
{
    QStringList texts{QString::fromUtf8(source)};
    for (const auto &translator : catalogues()) {
        const QString translated = translator->translate("Scoutel", source);
        if (!translated.isEmpty() && !texts.contains(translated))
            texts << translated;
    }
    return texts;
}
