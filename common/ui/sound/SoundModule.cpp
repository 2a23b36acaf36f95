// The sound player, a module of its own that the program loads the first time it plays a sound:
// Qt Multimedia and the score of libraries it brings (audio server, codecs, network) stay out of
// the program's start-up.
#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

namespace {

QMediaPlayer *player = nullptr;

} // namespace

extern "C" Q_DECL_EXPORT void TavorenPlaySound(const QString &file)
{
    // Nothing to play on a machine without audio output.
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    if (!player) {
        player = new QMediaPlayer(qApp);
        player->setAudioOutput(new QAudioOutput(qApp));
    }
    player->setSource(QUrl::fromLocalFile(file));
    player->play();
}

extern "C" Q_DECL_EXPORT void TavorenStopSound()
{
    if (player)
        player->stop();
}
