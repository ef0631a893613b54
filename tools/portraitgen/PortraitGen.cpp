// Draws the four mood portraits of one person as SVG: a flat vector head and shoulders on
// the dark stage palette, lit amber when cheerful and teal when low.
//
//   amp_portraitgen <portraits.txt> <name> <output folder>
// writes <folder>/<name>_vsad.svg, _sad.svg, _neutral.svg and _happy.svg.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Person {
    std::string name, gender, hair, hairColour, shirt;
    int skin = 0;
    std::vector<std::string> extras;
    bool Has(const std::string& extra) const
    {
        for (const auto& e : extras)
            if (e == extra)
                return true;
        return false;
    }
};

// Mood 0 very sad .. 3 happy.
struct Mood {
    const char* suffix;
    const char* glow;     // rim light behind the head
    const char* backTop;  // top of the background
    float brow;           // inner brow lift: positive looks worried
    float mouth;          // mouth curve: positive smiles
    float eyeOpen;        // eye height factor
};

const Mood kMoods[] = {
    {"_vsad", "#2ab3a6", "#14202a", 5.0f, -7.0f, 0.55f},
    {"_sad", "#2ab3a6", "#1b1d2c", 2.5f, -3.5f, 0.8f},
    {"_neutral", "#9b7fd0", "#231a33", 0.0f, 0.0f, 1.0f},
    {"_happy", "#f0a23a", "#33231a", -1.5f, 7.0f, 0.9f},
};

const char* const kSkins[] = {"#f1c9a5", "#e0ac83", "#c68a5e", "#a86b45", "#7d4b2e", "#5a3521"};
const char* const kSkinShades[] = {"#d9ab86", "#c48f67", "#a87046", "#8b5434", "#643a22", "#442717"};

const std::map<std::string, std::string> kHairColours = {
    {"black", "#1d1a1f"}, {"brown", "#5b3a24"}, {"auburn", "#8a3b1e"}, {"blonde", "#d9b45a"},
    {"grey", "#a3a1aa"},  {"teal", "#2ab3a6"},  {"violet", "#7a4fb0"}, {"pink", "#d0607f"},
    {"red", "#b8322a"},
};
const std::map<std::string, std::string> kShirts = {
    {"teal", "#23948a"}, {"amber", "#d98c2b"}, {"violet", "#5d3d96"}, {"charcoal", "#3a3642"},
    {"cream", "#e9dfc8"}, {"red", "#a3302a"},  {"denim", "#3d5a80"},
};

std::string Lookup(const std::map<std::string, std::string>& table, const std::string& key, const char* what)
{
    auto it = table.find(key);
    if (it == table.end()) {
        std::fprintf(stderr, "amp_portraitgen: unknown %s '%s'\n", what, key.c_str());
        std::exit(1);
    }
    return it->second;
}

bool ReadPerson(const char* list, const std::string& name, Person& out)
{
    std::ifstream in(list);
    for (std::string line; std::getline(in, line);) {
        line = line.substr(0, line.find('#'));
        std::istringstream fields(line);
        Person p;
        std::string extras;
        if (!(fields >> p.name >> p.gender >> p.skin >> p.hair >> p.hairColour >> p.shirt >> extras))
            continue;
        if (p.name != name)
            continue;
        std::istringstream split(extras);
        for (std::string e; std::getline(split, e, ',');)
            if (e != "-")
                p.extras.push_back(e);
        if (p.skin < 0 || p.skin > 5)
            p.skin = 0;
        out = p;
        return true;
    }
    return false;
}

// Hair drawn behind the head (long hair, bobs, ponytails, buns).
void HairBack(std::ostream& s, const Person& p, const std::string& c)
{
    if (p.hair == "long")
        s << "<path d='M36 58 C34 30 94 30 92 58 L96 104 C86 110 42 110 32 104 Z' fill='" << c << "'/>\n";
    else if (p.hair == "bob")
        s << "<path d='M36 56 C34 28 94 28 92 56 L94 86 C84 92 44 92 34 86 Z' fill='" << c << "'/>\n";
    else if (p.hair == "ponytail")
        s << "<path d='M86 44 C104 50 106 78 98 96 C94 82 92 66 84 56 Z' fill='" << c << "'/>\n";
    else if (p.hair == "bun")
        s << "<circle cx='64' cy='22' r='11' fill='" << c << "'/>\n";
    else if (p.hair == "afro")
        s << "<ellipse cx='64' cy='46' rx='38' ry='32' fill='" << c << "'/>\n";
    else if (p.hair == "curly")
        for (int i = 0; i < 7; ++i)
            s << "<circle cx='" << 38 + i * 8.7 << "' cy='" << (i % 2 ? 34 : 40) << "' r='10' fill='" << c << "'/>\n";
}

// Hair over the crown and the forehead: it must reach above the top of the head, or the
// skin of the crown shows through and the person looks bald.
void HairFront(std::ostream& s, const Person& p, const std::string& c)
{
    const std::string& h = p.hair;
    if (h == "short" || h == "long" || h == "bob" || h == "ponytail" || h == "bun")
        s << "<path d='M37 58 C32 14 96 12 91 58 C82 44 70 38 52 42 C46 46 42 50 37 58 Z' fill='" << c << "'/>\n";
    else if (h == "quiff")
        s << "<path d='M39 54 C36 36 50 22 72 22 C88 22 96 30 88 36 C92 42 90 50 89 54 C80 42 62 40 39 54 Z' fill='" << c << "'/>\n";
    else if (h == "spiky")
        s << "<path d='M39 54 L38 34 L46 40 L48 24 L56 36 L62 20 L68 35 L76 22 L80 38 L90 30 L89 54 C78 42 52 42 39 54 Z' fill='" << c << "'/>\n";
    else if (h == "fringe")
        s << "<path d='M37 58 C32 14 96 12 91 58 C84 52 80 50 76 46 C70 52 58 52 50 46 C46 52 42 54 38 58 Z' fill='" << c << "'/>\n";
    else if (h == "mohawk")
        s << "<path d='M58 40 L56 14 L64 20 L66 10 L72 18 L70 40 Z' fill='" << c << "'/>\n"
          << "<path d='M40 50 C44 40 84 40 88 50 C80 44 48 44 40 50 Z' fill='" << c << "' opacity='0.35'/>\n";
    else if (h == "pixie")
        s << "<path d='M37 60 C30 14 98 12 91 56 C84 46 74 40 60 44 C52 48 44 52 38 60 Z' fill='" << c << "'/>\n";
    else if (h == "beanie")
        s << "<path d='M36 52 C34 22 94 22 92 52 Z' fill='" << c << "'/>\n"
          << "<rect x='34' y='46' width='60' height='10' rx='5' fill='" << c << "' stroke='#000' stroke-opacity='0.25'/>\n";
    else if (h == "afro" || h == "curly")
        s << "<path d='M38 54 C34 16 94 16 90 54 C80 44 48 44 38 54 Z' fill='" << c << "'/>\n";
    // "bald": nothing but a highlight on the head, drawn with the head.
}

void Face(std::ostream& s, const Person& p, const Mood& m)
{
    const char* skin = kSkins[p.skin];
    const char* shade = kSkinShades[p.skin];
    const bool dark = p.skin >= 4;
    const char* feature = dark ? "#1a1012" : "#2a1d1f";
    // Eyes.
    float eh = 3.2f * m.eyeOpen;
    for (int side : {-1, 1}) {
        float x = 64 + side * 10.5f;
        s << "<ellipse cx='" << x << "' cy='62' rx='3.4' ry='" << eh << "' fill='" << feature << "'/>\n";
        s << "<circle cx='" << x + 1 << "' cy='" << 61.2f << "' r='0.9' fill='#fff' opacity='0.8'/>\n";
    }
    // Brows: the inner end rises when worried, the whole brow lifts when happy.
    for (int side : {-1, 1}) {
        float outer = 64 + side * 16.0f, inner = 64 + side * 5.5f;
        float lift = m.mouth > 0 ? 1.5f : 0.0f;
        s << "<path d='M" << outer << " " << 54 - lift << " L" << inner << " " << 54 - m.brow - lift
          << "' stroke='" << (p.hair == "bald" ? "#3a2a25" : Lookup(kHairColours, p.hairColour, "hair colour"))
          << "' stroke-width='2.6' stroke-linecap='round' fill='none'/>\n";
    }
    // Nose and mouth.
    s << "<path d='M64 64 L61 73 L65 73' stroke='" << shade << "' stroke-width='1.8' fill='none' stroke-linecap='round'/>\n";
    float y = 81 - m.mouth * 0.25f;
    s << "<path d='M55 " << y << " Q64 " << y + m.mouth * 1.4f << " 73 " << y
      << "' stroke='" << feature << "' stroke-width='2.4' fill='none' stroke-linecap='round'/>\n";
    if (m.mouth > 0) // cheeks
        for (int side : {-1, 1})
            s << "<ellipse cx='" << 64 + side * 15 << "' cy='73' rx='4.5' ry='2.5' fill='#e0604f' opacity='0.3'/>\n";
    if (m.mouth < -5) // a tear
        s << "<path d='M53 67 C51 71 51 73 53 74 C55 73 55 71 53 67 Z' fill='#7fe0d6' opacity='0.9'/>\n";
    (void)skin;
}

void Extras(std::ostream& s, const Person& p, const std::string& hairColour)
{
    const char* shade = kSkinShades[p.skin];
    if (p.Has("stubble"))
        s << "<path d='M42 70 C44 92 84 92 86 70 C80 84 48 84 42 70 Z' fill='" << shade << "' opacity='0.7'/>\n";
    if (p.Has("beard"))
        s << "<path d='M40 64 C40 100 88 100 88 64 C84 78 78 86 64 86 C50 86 44 78 40 64 Z M56 80 Q64 77 72 80 Q64 84 56 80 Z' fill='"
          << hairColour << "' fill-rule='evenodd'/>\n";
    if (p.Has("glasses"))
        s << "<g fill='#ffffff' fill-opacity='0.12' stroke='#e9dfc8' stroke-width='1.8'>"
          << "<rect x='45' y='56' width='15' height='11' rx='4'/><rect x='68' y='56' width='15' height='11' rx='4'/></g>"
          << "<path d='M60 60 Q64 58 68 60' stroke='#e9dfc8' stroke-width='1.6' fill='none'/>\n";
    if (p.Has("earring"))
        s << "<circle cx='88' cy='72' r='2.4' fill='#f0a23a'/>\n";
    if (p.Has("headband"))
        s << "<path d='M37 50 C44 40 84 40 91 50' stroke='#f0a23a' stroke-width='4' fill='none'/>\n";
}

std::string Portrait(const Person& p, const Mood& m)
{
    const std::string hair = Lookup(kHairColours, p.hairColour, "hair colour");
    const std::string shirt = Lookup(kShirts, p.shirt, "shirt");
    const char* skin = kSkins[p.skin];
    const char* shade = kSkinShades[p.skin];
    std::ostringstream s;
    s << "<svg xmlns='http://www.w3.org/2000/svg' width='128' height='128' viewBox='0 0 128 128'>\n"
      << "<defs><linearGradient id='bg' x1='0' y1='0' x2='0' y2='1'><stop offset='0' stop-color='" << m.backTop
      << "'/><stop offset='1' stop-color='#17141d'/></linearGradient>"
      << "<radialGradient id='glow' cx='0.5' cy='0.45' r='0.5'><stop offset='0' stop-color='" << m.glow
      << "' stop-opacity='0.45'/><stop offset='1' stop-color='" << m.glow << "' stop-opacity='0'/></radialGradient></defs>\n"
      << "<rect width='128' height='128' fill='url(#bg)'/>\n"
      << "<circle cx='64' cy='58' r='56' fill='url(#glow)'/>\n";
    HairBack(s, p, hair);
    // Shoulders, collar and neck.
    s << "<path d='M14 128 C18 98 40 90 64 90 C88 90 110 98 114 128 Z' fill='" << shirt << "'/>\n"
      << "<path d='M52 91 L64 106 L76 91 Z' fill='#000' opacity='0.22'/>\n"
      << "<rect x='55' y='76' width='18' height='18' rx='6' fill='" << shade << "'/>\n";
    // Ears and head.
    s << "<ellipse cx='39' cy='64' rx='5' ry='7' fill='" << shade << "'/><ellipse cx='89' cy='64' rx='5' ry='7' fill='"
      << shade << "'/>\n"
      << "<ellipse cx='64' cy='60' rx='25' ry='30' fill='" << skin << "'/>\n";
    if (p.hair == "bald")
        s << "<ellipse cx='56' cy='40' rx='8' ry='4' fill='#fff' opacity='0.18'/>\n";
    Extras(s, p, hair);
    Face(s, p, m);
    HairFront(s, p, hair);
    // A soft frame so the picture sits well on any panel.
    s << "<rect x='1' y='1' width='126' height='126' rx='10' fill='none' stroke='" << m.glow
      << "' stroke-opacity='0.5' stroke-width='2'/>\n</svg>\n";
    return s.str();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <portraits.txt> <name> <output folder>\n", argv[0]);
        return 2;
    }
    Person p;
    if (!ReadPerson(argv[1], argv[2], p)) {
        std::fprintf(stderr, "amp_portraitgen: no person '%s' in %s\n", argv[2], argv[1]);
        return 1;
    }
    for (const Mood& m : kMoods) {
        const std::string path = std::string(argv[3]) + "/" + p.name + m.suffix + ".svg";
        std::ofstream out(path);
        out << Portrait(p, m);
        if (!out) {
            std::fprintf(stderr, "amp_portraitgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
