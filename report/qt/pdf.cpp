// The report as a PDF file, written beside its place and renamed into it.
#include "report/qt/pdf.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <string_view>

#include "files/dateizugriff.h"
#include "model/meldungen.h"
#include "report/qt/maler.h"

namespace dkm::bericht {

namespace {

// A text string of the document information: UTF-16 with its byte order mark, as hex.
std::string Pdf_Text(const std::string& utf8) {
    static const char hex[] = "0123456789ABCDEF";
    std::string aus = "<FEFF";
    for (const QChar c : QString::fromStdString(utf8)) {
        const unsigned u = c.unicode();
        for (int stelle = 12; stelle >= 0; stelle -= 4) aus += hex[(u >> stelle) & 0xF];
    }
    return aus + ">";
}

// The number after `schluessel` in `text` ("/Size 12" gives 12); -1 when missing.
long long Zahl_nach(std::string_view text, std::string_view schluessel) {
    const size_t p = text.find(schluessel);
    if (p == std::string_view::npos) return -1;
    size_t i = p + schluessel.size();
    while (i < text.size() && (text[i] == ' ' || text[i] == '\n' || text[i] == '\r')) ++i;
    long long n = -1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) n = (n < 0 ? 0 : n * 10) + (text[i] - '0');
    return n;
}

// The toolkit writes only title and creator: an incremental update gives the document information
// its author and subject as well, the original bytes untouched. Unchanged when the file is not as expected.
void Info_ergaenzen(std::string& pdf, const Dokument& d) {
    const size_t sx = pdf.rfind("startxref");
    const size_t tr = pdf.rfind("trailer");
    if (sx == std::string::npos || tr == std::string::npos || tr > sx) return;
    const std::string_view trailer(pdf.data() + tr, sx - tr);
    const long long groesse = Zahl_nach(trailer, "/Size"), wurzel = Zahl_nach(trailer, "/Root"),
                    info = Zahl_nach(trailer, "/Info"), vorher = Zahl_nach(std::string_view(pdf).substr(sx), "startxref");
    if (groesse <= 0 || wurzel <= 0 || vorher <= 0) return;
    std::string eintraege;
    if (info > 0) {
        // the old entries (creation date, producer) stay; title and creator are given anew
        const std::string kopf = "\n" + std::to_string(info) + " 0 obj";
        const size_t a = pdf.find(kopf), auf = a == std::string::npos ? a : pdf.find("<<", a);
        const size_t zu = auf == std::string::npos ? auf : pdf.find(">>", auf);
        if (zu != std::string::npos) eintraege = pdf.substr(auf + 2, zu - auf - 2);
        for (const char* weg : {"/Title", "/Creator"}) {
            const size_t p = eintraege.find(weg);
            if (p == std::string::npos) continue;
            size_t e = p + std::string_view(weg).size();
            while (e < eintraege.size() && eintraege[e] != '/') ++e;
            eintraege.erase(p, e - p);
        }
    }
    std::string update = "\n" + std::to_string(groesse) + " 0 obj\n<<" + eintraege + "\n/Title " + Pdf_Text(d.titel) +
                         "\n/Author " + Pdf_Text(d.aussteller) + "\n/Subject " + Pdf_Text(d.thema) + "\n/Creator " +
                         Pdf_Text(d.programm) + "\n>>\nendobj\n";
    const size_t objekt = pdf.size() + 1;
    char eintrag[24];
    std::snprintf(eintrag, sizeof eintrag, "%010zu 00000 n \n", objekt);
    update += "xref\n" + std::to_string(groesse) + " 1\n" + eintrag + "trailer\n<< /Size " + std::to_string(groesse + 1) +
              " /Root " + std::to_string(wurzel) + " 0 R /Info " + std::to_string(groesse) + " 0 R /Prev " +
              std::to_string(vorher) + " >>\nstartxref\n" + std::to_string(pdf.size() + update.size()) + "\n%%EOF\n";
    pdf += update;
}

}  // namespace

std::string Pdf_erzeugen(const Bericht& b, const std::string& titel) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    Dokument d = b.dokument;
    if (d.titel.empty()) d.titel = titel;
    {
        QPdfWriter w(&puffer);
        w.setResolution(1440);  // one unit is one twip
        w.setTitle(QString::fromStdString(d.titel));
        w.setCreator(QString::fromStdString(d.programm));
        Seite_einrichten(w);
        QPainter p(&w);
        Bericht_malen(p, w, b);
    }
    std::string pdf = puffer.data().toStdString();
    Info_ergaenzen(pdf, d);
    return pdf;
}

Erfolg<> Pdf_schreiben(const Bericht& b, const std::filesystem::path& ziel) {
    const std::string bytes = Pdf_erzeugen(b, ziel.stem().string());
    const Erfolg<> geschrieben = Datei_ersetzen(ziel, bytes);
    if (geschrieben) return {};
    return Fehler{geschrieben.fehler().text + std::string(meldung::Projekt_unveraendert_Text)};
}

}  // namespace dkm::bericht
