#include "data/Options.h"

#include "data/SettingsStore.h"

#include <utility>

namespace Options {

void applyStartupDefaults(SettingsStore& store) {
    const std::pair<const QString&, const QString&> defaults[] = {
        {Protection, Vrai},
        {Verrouillage, Faux},
        {Texte, Vrai},
        {Quizz, Vrai},
    };
    for (const auto& [key, value] : defaults) {
        if (store.read(Configuration, key).isEmpty())
            store.write(Configuration, key, value);
    }
}

} // namespace Options
