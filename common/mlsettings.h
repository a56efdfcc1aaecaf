#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QTranslator;
class QWidget;

// Application identity for the per-user settings store, the two translators of
// the interface language, and widget geometry under "UI/".
class MlSettings : public QObject
{
    Q_OBJECT

public:
    explicit MlSettings(QObject *parent = nullptr);

    virtual void loadSettings() {}
    virtual void saveSettings() {}

    void restoreGeometry(QWidget *w, const QString &prefix);
    void saveGeometry(QWidget *w, const QString &prefix);

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
