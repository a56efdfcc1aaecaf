#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QTranslator;

// The per-user settings store of the application named by
// setApplicationIdentity(): the two translators of the interface language, and
// widget geometry under "UI/".
class MlSettings : public QObject
{
    Q_OBJECT

public:
    explicit MlSettings(QObject *parent = nullptr);

    virtual void loadSettings() {}
    virtual void saveSettings() {}

    // The widget's geometry under the group "UI/", prefix and its object name.
    template <typename Widget> void restoreGeometry(Widget *w, const QString &prefix)
    {
        w->restoreGeometry(storedGeometry(prefix + w->objectName()));
    }
    template <typename Widget> void saveGeometry(Widget *w, const QString &prefix)
    {
        storeGeometry(prefix + w->objectName(), w->saveGeometry());
    }
    QByteArray storedGeometry(const QString &name) const;
    void storeGeometry(const QString &name, const QByteArray &geometry);

    static QString languagesPath();
    static QStringList availableLanguages();
    static QString systemLanguage();
    QString currentLanguage() const;
    bool setLanguage(const QString &code);
    static bool loadTranslator(QTranslator *translator, const QString &fileName,
                               const QString &directory);

private:
    QTranslator *appTranslator;
    QTranslator *qtTranslator;
    QString appliedLanguage;
};
