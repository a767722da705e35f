#include "channels/EditOptionRows.h"

#include "shell/ui/Captions.h"

namespace k7x {

QString TextOr(const Prompts& prompts, int number, std::string_view fallback) {
    const QString text = LangText(prompts, number);
    return text.isEmpty()
               ? QString::fromLatin1(fallback.data(), static_cast<qsizetype>(fallback.size()))
               : text;
}

}  // namespace k7x
