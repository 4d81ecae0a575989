#include "graphics/gui/vexosound.h"

#include <QFile>
#include <QFileInfo>

#include "graphics/gui/graphicsclasses.h"
#include "graphics/waveplayer.h"
#include "platform/gui/application.h"
#include "platform/gui/messagebox.h"
#include "utils/paths.h"

namespace vexo {

QString DefSoundsDir = QStringLiteral("Sounds/");

namespace {

enum class TResourceRead { Read, Missing, Unreadable };

// Wave resources are Qt resources under the module's folder. This is the one place that
// knows where resources live; a registry of resources by name replaces it here.
TResourceRead ReadWaveResource(const QString& instance, const QString& name, QByteArray& data) {
    if (name.isEmpty())
        return TResourceRead::Missing;
    QFile file(NormalDir(instance) + name);
    if (!file.exists())
        return TResourceRead::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return TResourceRead::Unreadable;
    data = file.readAll();
    return file.error() == QFileDevice::NoError ? TResourceRead::Read : TResourceRead::Unreadable;
}

} // namespace

TvexoSound::TvexoSound(TComponent* owner) : QObject(nullptr), TComponent(this, owner) {
    RegisterGraphicsClasses();
}

TvexoSound::~TvexoSound() {
    StopWave(this);
}

bool TvexoSound::PlayName(const QString& name, bool async) {
    if (!enabled_)
        return false;
    const bool played = PlaySoundName(name, async, this);
    DoSound();
    return played;
}

bool TvexoSound::PlaySync(const QString& FileName) {
    return PlayName(FileName, false);
}

bool TvexoSound::PlayAsync(const QString& FileName) {
    return PlayName(FileName, true);
}

bool TvexoSound::PlayWave(const QString& FileName) {
    if (!enabled_)
        return false;
    QString name = FileName;
    if (!name.contains(QLatin1Char('/'))) {
        // An absolute DefSoundsDir is used as it is; a relative one lies in the program's folder.
        const QString dir = NormalDir(DefSoundsDir);
        name = (dir.startsWith(QLatin1Char('/')) ? dir : GetRunDir() + dir) + name;
    }
    if (QFileInfo(name).suffix().isEmpty() && !name.endsWith(QLatin1Char('.')))
        name += QStringLiteral(".wav");
    if (!FileExists(name))
        return false;
    return PlayName(name, async_);
}

bool TvexoSound::PlayWaveFromMemory(const QByteArray& Data) {
    return PlayWaveImage(Data, async_, this);
}

bool TvexoSound::PlayResourceWaveInstance(const QString& Instance, const QString& ResName) {
    if (!enabled_)
        return false;
    QByteArray image;
    switch (ReadWaveResource(Instance, ResName, image)) {
    case TResourceRead::Missing:
        return false;
    case TResourceRead::Unreadable:
        ShowResourceError();
        return false;
    case TResourceRead::Read:
        break;
    }
    TWaveData wave;
    if (!ReadWave(image, wave)) {
        ShowResourceError();
        return false;
    }
    // A missing or busy sound device is no error of the program: false without a message.
    const bool played = PlayWaveData(wave, async_, this);
    DoSound();
    return played;
}

bool TvexoSound::PlayResourceWave(const QString& ResName) {
    return PlayResourceWaveInstance(ProgramWaveResources, ResName);
}

bool TvexoSound::PlayNamedWave(const QString& Name) {
    return Name.startsWith(QLatin1Char('#')) ? PlayResourceWave(Name.mid(1)) : PlayWave(Name);
}

void TvexoSound::DoSound() {
    if (OnSound)
        OnSound(this);
}

void TvexoSound::ShowResourceError() const {
    const auto box = CreateExceptionBox(Name() + QStringLiteral(": ") + vxToolsResourceWavError);
    Application()->RunMessageBox(*box);
}

TvexoSound* FindSound(const TComponent* owner) {
    if (!owner)
        return nullptr;
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (auto* sound = dynamic_cast<TvexoSound*>(owner->Components(i)))
            return sound;
    return nullptr;
}

} // namespace vexo
