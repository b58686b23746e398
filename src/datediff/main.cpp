// datediff: the date page's helper program. Started with two dates
// ("d-m-yyyy d-m-yyyy") and the path of a result file, it writes their
// difference there: whole years, further months, further days and the days
// in total, one value per line. Without a path the file is "datediff.txt" in
// the folder it runs in. Each caller gives its own path, so runs side by side
// never share a file. The result is written under a temporary name beside it
// and then renamed, so a reader never sees half a result. A date that cannot
// be read ends the program with a message on standard error and status 1,
// without a result file.
#include "core/other/datoforskel.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fputs("Brug: datediff D-M-ÅÅÅÅ D-M-ÅÅÅÅ [RESULTATFIL]\n", stderr);
        return 2;
    }
    datoforskel::Dato datoer[2];
    for (int i = 0; i < 2; ++i) {
        if (!datoforskel::laesDato(argv[i + 1], datoer[i])) {
            std::fprintf(stderr, "Ugyldig dato: %s\n", argv[i + 1]);
            return 1;
        }
    }
    const std::string tekst = datoforskel::resultatTekst(datoforskel::beregn(datoer[0], datoer[1]));

    const std::filesystem::path maal = argc == 4 ? argv[3] : "datediff.txt";
    std::filesystem::path ny = maal;
    ny += ".ny";
    std::error_code fejl;
    std::filesystem::remove(ny, fejl);
    {
        std::ofstream ud(ny, std::ios::binary | std::ios::trunc);
        ud << tekst;
        ud.close();
        if (!ud) {
            std::filesystem::remove(ny, fejl);
            std::fputs("Resultatfilen kunne ikke skrives.\n", stderr);
            return 3;
        }
    }
    std::filesystem::rename(ny, maal, fejl);
    if (fejl) {
        std::filesystem::remove(ny, fejl);
        std::fputs("Resultatfilen kunne ikke skrives.\n", stderr);
        return 3;
    }
    return 0;
}
