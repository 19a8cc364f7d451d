#pragma once

#include <QMdiArea>
#include <QPixmap>

namespace qv {

// The frame for list windows, with a picture filling its client area.
class BackgroundArea : public QMdiArea {
    Q_OBJECT
public:
    explicit BackgroundArea(QWidget *parent = nullptr);
    // The picture drawn into the program; replaced by a file picture when one is loaded.
    static QPixmap builtInPicture();
    void setPicture(const QPixmap &picture);
    // Loads a JPEG file; false (picture unchanged) when it is missing or unreadable.
    bool loadPicture(const QString &path);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void refit();
    QPixmap picture_;
};

} // namespace qv
