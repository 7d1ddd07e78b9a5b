#pragma once

#include <QList>
#include <QWidget>

class Kontext;
struct Kartenartikel;
class QTreeWidget;
class QTreeWidgetItem;

// The menu card to look at and to order from: product groups under "Getränke"
// and "Speise", and the articles of the group touched. Nothing can be changed.
class frmkarteAuswahl : public QWidget {
    Q_OBJECT
  public:
    explicit frmkarteAuswahl(Kontext& k, QWidget* eltern = nullptr);

    // Rebuilds the group tree and empties the article list.
    void laden();
    void artikelZeigen(const QString& wg);
    // Lists these articles instead of a group's (a search result).
    void artikelFuellen(const QList<Kartenartikel>& artikel);

    // The administration screens add their menus and keys to the same lists.
    QTreeWidget* gruppen() const { return m_gruppen; }
    QTreeWidget* artikel() const { return m_artikel; }

  Q_SIGNALS:
    // A double-click on an article.
    void artikelGewaehlt(const QString& plu);

  private:
    Kontext& m_k;
    QTreeWidget* m_gruppen;
    QTreeWidget* m_artikel;
};
