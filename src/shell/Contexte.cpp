#include "shell/Contexte.h"

#include "data/DatabaseLocation.h"
#include "platform/ProgramFolder.h"
#include "platform/TimedAudioChannel.h"
#include "platform/VolumeAudioSystem.h"
#include "shell/FormRegistry.h"
#include "sound/MciInterpreter.h"

Contexte::Contexte(Platform platform, SettingsStore settings, QString programFolder)
    : platform_(std::move(platform)), settings_(std::move(settings)),
      programFolder_(std::move(programFolder)),
      userDataFolder_(DatabaseLocation::defaultUserDataFolder()),
      forms_(std::make_unique<FormRegistry>(*this)) {
    // Every channel is made through the volume wrapper, so the volume slider governs them all.
    if (platform_.audio) {
        auto volume = std::make_unique<VolumeAudioSystem>(std::move(platform_.audio));
        volume_ = volume.get();
        platform_.audio = std::move(volume);
    }
}

void Contexte::setVolume(int volume) {
    if (volume_)
        volume_->setVolume(volume);
}

Contexte::~Contexte() {
    forms_.reset();
    effects_.reset();
    mci_.reset();
}

AudioChannel& Contexte::effects() {
    if (!effects_)
        effects_ = platform_.audio ? platform_.audio->createChannel()
                                   : std::make_unique<NullAudioChannel>(*platform_.clock);
    return *effects_;
}

MciInterpreter& Contexte::mci() {
    if (!mci_)
        mci_ = std::make_unique<MciInterpreter>(*platform_.audio);
    return *mci_;
}

QString Contexte::media(const QString& windowsPath) const {
    return ProgramFolder::resolve(programFolder_, windowsPath);
}
