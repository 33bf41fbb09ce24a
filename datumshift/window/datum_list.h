// A datum picked from a pull-down list or typed into its edit line: the
// datums offered first (datum_catalogue.h), each shown as "ED50
// (EPSG:4230)", and any geographic CRS of the EPSG database typed by code
// or name ("4230", "OSGB 1936"), which then joins the list.
//
// A typed datum is taken when the line is left (Tab, a click elsewhere) or
// with Return; opening a menu or the list itself is no leaving. One the
// database does not give is refused as a position field refuses: the
// reason in the status bar, the focus back with the text selected, and
// Escape bringing back the datum held.
#pragma once

#include "datumshift/core/crs_lookup.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>

class QComboBox;
class QWidget;

namespace platform {
class Edit;
}

namespace datumshift {

class DatumList : public QObject {
    Q_OBJECT

public:
    // The CRS a typed text names (UTF-8); throws DatumError with the reason.
    using Lookup = std::function<CrsDescription(const std::string& text)>;
    // Where the list says what it refuses (8-bit text; empty clears it).
    using StatusSink = std::function<void(const std::string& message)>;

    // Makes the list in `window`, its object name `objectName`, heard by a
    // screen reader as `name` ("From datum"); `code` is the datum held at
    // first, one of those offered.
    DatumList(QWidget* window, const QString& objectName, const QString& name, int code, Lookup lookup,
              StatusSink status);

    QComboBox* Box = nullptr;
    platform::Edit* Line = nullptr; // the list's edit line

    // The datum held: "EPSG:4326", and as the list shows it.
    const std::string& Code() const { return code_; }
    QString Text() const;

    // Holds the datum of the other list, and the other list this one's.
    void Exchange(DatumList& other);

signals:
    // The user chose another datum.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Take();
    void Hold(int index, bool byUser);
    int IndexOf(const std::string& code) const;
    int Add(const QString& text, const std::string& code);
    void HoldDatum(const std::string& code, const QString& text);

    Lookup lookup_;
    StatusSink status_;
    std::string code_;
};

} // namespace datumshift
