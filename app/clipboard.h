#pragma once

#include <QObject>
#include <QString>

// The system clipboard for the pages, which cannot write it by themselves.
class Clipboard : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)

public:
    explicit Clipboard(QObject *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

signals:
    void textChanged();
};
