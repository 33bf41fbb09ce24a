// What the GPX tests share: files in a folder of their own, the programs
// written by others that make and read them.
#pragma once

#include "wayline/files/gpx_read.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <string>

namespace gpxtest {

inline wayline::GpxDocument Read(const std::string& text, const char* name = "route.gpx")
{
    return wayline::ReadGpx(QByteArray::fromStdString(text), QString::fromUtf8(name));
}

// A GPX 1.1 document around `body`, in the namespaces plotters declare.
inline std::string Gpx(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<gpx version=\"1.1\" creator=\"test\" xmlns=\"http://www.topografix.com/GPX/1/1\" "
           "xmlns:opencpn=\"http://www.opencpn.org\" xmlns:gpxx=\"http://www.garmin.com/xmlschemas/GpxExtensions/v3\">\n" +
           body + "</gpx>\n";
}

// A route as OpenCPN writes one: the planned speed (knots) and departure
// of the route in its <extensions>, each point's leg speed in
// rte_properties, and much this program has no use for.
inline const std::string OpenCpnRoute = Gpx(R"(  <rte>
    <name>Beaufort to St. Mary's</name>
    <desc>by the ICW</desc>
    <extensions>
      <opencpn:guid>1495b60f-e1c6-4edd-ba1a-b2037edadbbd</opencpn:guid>
      <opencpn:viz>1</opencpn:viz>
      <opencpn:start>Beaufort, NC</opencpn:start>
      <opencpn:end>St. Mary's, GA</opencpn:end>
      <opencpn:planned_speed>6.00</opencpn:planned_speed>
      <opencpn:planned_departure>2027-06-09T06:30:00Z</opencpn:planned_departure>
      <opencpn:time_display>GLOBAL SETTING</opencpn:time_display>
      <gpxx:RouteExtension>
        <gpxx:IsAutoNamed>false</gpxx:IsAutoNamed>
        <gpxx:DisplayColor>Red</gpxx:DisplayColor>
      </gpxx:RouteExtension>
    </extensions>
    <rtept lat="34.7120000000" lon="-76.6640000000">
      <time>2027-06-01T12:00:00Z</time>
      <name>Beaufort</name>
      <sym>diamond</sym>
      <type>WPT</type>
      <extensions>
        <opencpn:guid>a1</opencpn:guid>
        <opencpn:rte_properties planned_speed="6.000000"/>
        <opencpn:arrival_radius>0.050</opencpn:arrival_radius>
      </extensions>
    </rtept>
    <rtept lat="33.8500000000" lon="-77.9500000000">
      <name>Cape Fear</name>
      <extensions>
        <opencpn:rte_properties planned_speed="5.500000" etd="2027-06-09T18:00:00"/>
      </extensions>
    </rtept>
    <rtept lat="30.7200000000" lon="-81.4000000000">
      <name>St. Mary's</name>
      <extensions>
        <opencpn:rte_properties planned_speed="6.000000"/>
      </extensions>
    </rtept>
  </rte>
)");

class Folder {
public:
    QString File(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

    void Write(const char* name, const QByteArray& bytes) const
    {
        QFile file(File(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QByteArray Contents(const char* name) const
    {
        QFile file(File(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};

// The standard output of `program` run with `arguments`; its error output
// in `errors`.
inline std::string Run(const QString& program, const QStringList& arguments, std::string* errors = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (errors)
        *errors = process.readAllStandardError().toStdString();
    return process.readAllStandardOutput().toStdString();
}

} // namespace gpxtest
