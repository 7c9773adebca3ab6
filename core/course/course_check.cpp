#include "core/course/course_check.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/course/text_encoding.h"
#include "core/course/textfile.h"
#include "core/fingers/finger_layout.h"

namespace zav {
namespace {

class CFindings {
  public:
    void Add(int line, CheckSeverity severity, std::string message) {
        list_.push_back({line, severity, std::move(message)});
    }
    void Error(int line, std::string message) {
        Add(line, CheckSeverity::kError, std::move(message));
    }
    void Warning(int line, std::string message) {
        Add(line, CheckSeverity::kWarning, std::move(message));
    }
    std::vector<CCheckFinding> Take() { return std::move(list_); }

  private:
    std::vector<CCheckFinding> list_;
};

// A Windows-1252 character for a message: the character itself when it is visible, its code
// otherwise.
std::string Shown(unsigned char c) {
    if (c > ' ' && c != 0x7f && !(c >= 0x80 && c < 0xa0 && UnicodeOfCp1252(c) == c))
        return "«" + Utf8FromCp1252(std::string(1, static_cast<char>(c))) + "»";
    char code[16];
    std::snprintf(code, sizeof code, "0x%02X", c);
    return code;
}

// Every character that some key of some layout of the table produces, and the blank.
std::array<bool, 256> TypableCharacters(const CFingerTable& fingers) {
    std::array<bool, 256> typable{};
    typable[static_cast<unsigned char>(' ')] = true;
    for (const CFingerLayout& layout : fingers.Layouts())
        for (const std::string& keys : layout.fingers)
            for (unsigned char c : keys) typable[c] = true;
    return typable;
}

void CheckExercise(std::string_view line, int number, const std::array<bool, 256>* typable,
                   CFindings& out) {
    if (line.empty()) {
        out.Warning(number, "ejercicio vacío: cualquier tecla lo termina");
        return;
    }
    std::string untypable;
    std::string unknown;
    for (unsigned char c : line) {
        if (c < ' ' || c == 0x7f) {
            if (untypable.find(Shown(c)) == std::string::npos)
                untypable += (untypable.empty() ? "" : ", ") + Shown(c);
        } else if (typable && !(*typable)[c] && unknown.find(Shown(c)) == std::string::npos) {
            unknown += (unknown.empty() ? "" : ", ") + Shown(c);
        }
    }
    if (!untypable.empty())
        out.Error(number,
                  "el ejercicio contiene caracteres que no se pueden escribir (tabuladores "
                  "o de control): " +
                      untypable);
    if (!unknown.empty())
        out.Warning(number, "ninguna tecla de la tabla de dedos produce " + unknown);
    if (line.back() == ' ')
        out.Warning(number, "blancos al final del ejercicio: no se ven, pero hay que escribirlos");
    if (line.size() > kFittingLine && line.size() <= CLineReader::kMaxLine)
        out.Warning(number, "línea de " + std::to_string(line.size()) + " caracteres: más de " +
                                std::to_string(kFittingLine) + " no caben en la ventana normal");
}

}  // namespace

int CheckStatus(const std::vector<CCheckFinding>& findings) {
    int status = 0;
    for (const auto& f : findings) {
        if (f.severity == CheckSeverity::kError) return 2;
        if (f.severity == CheckSeverity::kWarning) status = 1;
    }
    return status;
}

std::vector<CCheckFinding> CheckCourse(std::string_view bytes, const CFingerTable* fingers) {
    CFindings out;
    if (bytes.empty()) {
        out.Error(0, "el archivo está vacío");
        return out.Take();
    }
    if (const auto nul = bytes.find('\0'); nul != std::string_view::npos) {
        const auto line = 1 + std::count(bytes.begin(), bytes.begin() + nul, '\n');
        out.Error(static_cast<int>(line),
                  "el archivo contiene bytes nulos: no es un texto (¿un programa o una imagen?)");
        return out.Take();
    }
    const CDecodedText decoded = DecodeText(bytes);
    if (decoded.utf8) {
        out.Add(0, CheckSeverity::kNote,
                "el archivo está en UTF-8; el tutor lo convierte a Windows-1252 al cargarlo");
    }
    for (const CUnmappable& c : decoded.unmappable) {
        out.Error(c.line, c.character.empty()
                              ? DescribeUnmappable(c) + " no es UTF-8 válido"
                              : "el carácter " + DescribeUnmappable(c) +
                                    " no existe en Windows-1252: el curso no se carga");
    }

    std::array<bool, 256> typable{};
    if (fingers) typable = TypableCharacters(*fingers);
    const std::string_view text = decoded.text;
    bool sectionSeen = false;
    int exercises = 0;
    int number = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        ++number;
        const auto lf = text.find('\n', pos);
        const std::string_view line =
            text.substr(pos, lf == std::string_view::npos ? std::string_view::npos : lf - pos);
        pos = lf == std::string_view::npos ? text.size() : lf + 1;
        if (lf == std::string_view::npos && line.size() < CLineReader::kMaxLine) {
            out.Error(number,
                      "la última línea no termina en un salto de línea: el tutor no la lee");
            break;
        }
        if (line.size() > CLineReader::kMaxLine) {
            out.Error(number, "línea de " + std::to_string(line.size()) +
                                  " caracteres: el tutor "
                                  "la parte cada " +
                                  std::to_string(CLineReader::kMaxLine));
        } else if (line.size() == CLineReader::kMaxLine) {
            out.Warning(number,
                        "línea de 255 caracteres justos: el tutor añade tras ella un "
                        "ejercicio vacío");
        }
        if (!line.empty() && line.front() == '\t') {
            sectionSeen = true;
            continue;
        }
        ++exercises;
        if (!sectionSeen && exercises == 1)
            out.Warning(number,
                        "ejercicio antes de la primera sección: queda en una sección sin "
                        "título");
        // A character that did not convert stands as '?' and is reported already.
        const bool converted = std::none_of(decoded.unmappable.begin(), decoded.unmappable.end(),
                                            [number](const auto& c) { return c.line == number; });
        CheckExercise(line, number, fingers && converted ? &typable : nullptr, out);
    }
    if (exercises == 0) out.Error(0, "el curso no tiene ningún ejercicio");
    return out.Take();
}

}  // namespace zav
