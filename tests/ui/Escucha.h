#pragma once
// Catches the addresses the program hands to the desktop for one scheme.
#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

namespace tablerix::prueba {

class Escucha : public QObject {
    Q_OBJECT
public:
    explicit Escucha(const QString& esquema) : esquema_(esquema) {
        QDesktopServices::setUrlHandler(esquema_, this, "Abrir");
    }
    ~Escucha() override { QDesktopServices::unsetUrlHandler(esquema_); }

    QList<QUrl> Abiertas;

public slots:
    void Abrir(const QUrl& url) { Abiertas << url; }

private:
    QString esquema_;
};

}  // namespace tablerix::prueba
