// SPDX-License-Identifier: MIT
#include "present/qt/qtsound.h"

#include <QAudioDevice>
#include <QDir>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace hexbrawl {
// The clips are built in as resources named like their files in assets/sounds;
// the catalogue's names may differ from the file names in case.
QUrl clipurl(const WaveEntry& wave)
{
    QString wanted = QString::fromUtf8(wave.name.data(), static_cast<qsizetype>(wave.name.size())) + ".wav";
    const QStringList files = QDir(QStringLiteral(":/sounds")).entryList(QDir::Files);
    for (const QString& file : files)
        if (file.compare(wanted, Qt::CaseInsensitive) == 0)
            return QUrl(QStringLiteral("qrc:/sounds/") + file);
    return QUrl(QStringLiteral("qrc:/sounds/") + wanted);
}

namespace {

// One sound effect is one stream: playing it again cuts off what it was playing.
class EffectVoice final : public Voice {
public:
    explicit EffectVoice(const QUrl& source)
    {
        effect_.setSource(source);
        effect_.setLoopCount(1);
    }
    void restart() override
    {
        effect_.stop();
        effect_.play();
    }

private:
    QSoundEffect effect_;
};

}  // namespace

QtSound::QtSound()
{
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    bank_ = std::make_unique<VoiceBank>(
        [](const WaveEntry& wave) -> std::unique_ptr<Voice> { return std::make_unique<EffectVoice>(clipurl(wave)); },
        [started] { return static_cast<std::int64_t>(started->elapsed()); });
    for (const WaveEntry& wave : waves())
        bank_->load(wave);
}

QtSound::QtSound(VoiceBank::Factory factory, VoiceBank::Clock clock)
{
    if (!factory)
        return;
    bank_ = std::make_unique<VoiceBank>(std::move(factory), std::move(clock));
    for (const WaveEntry& wave : waves())
        bank_->load(wave);
}

QtSound::~QtSound() = default;

void QtSound::playwave(std::string_view, const WaveEntry& wave)
{
    if (bank_)
        bank_->play(wave);
}

}  // namespace hexbrawl
