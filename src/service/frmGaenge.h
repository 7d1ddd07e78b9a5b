#pragma once

#include <QWidget>
#include <vector>

class Touchtaste;

// The course keys of the order screen, "Gang 1", "Gang 2", "Gang 3",
// "Nachher", and "Gang abrufen". A touched course key is chosen; touched
// again, no course is. The chosen key is coloured.
class frmGaenge : public QWidget {
    Q_OBJECT
  public:
    explicit frmGaenge(QWidget* eltern = nullptr);

    // Colours the key of that course (empty: none).
    void zeigen(const QString& gang);

  Q_SIGNALS:
    // The waiter chose a course, or none (empty).
    void gewaehlt(const QString& gang);
    void abrufen();

  private:
    std::vector<Touchtaste*> m_tasten;
    QString m_gang;
};
