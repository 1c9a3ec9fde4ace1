#include "core/surface/fontmapper.h"
#include "core/surface/programfonts.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <cstdlib>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>
#include <memory>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

struct ConfigDeleter {
    void operator()(FcConfig *config) const { FcConfigDestroy(config); }
};
using Config = std::unique_ptr<FcConfig, ConfigDeleter>;

// The whole system's configuration, as a program that does nothing about fonts reads it.
FcConfig *systemConfig()
{
    static FcConfig *const config = FcInitLoadConfigAndFonts();
    return config;
}

FcConfig *programConfig()
{
    static FcConfig *const config = NewProgramFontConfig(SystemProgramFontSources());
    return config;
}

QString stringOf(FcPattern *pattern, const char *object)
{
    FcChar8 *value = nullptr;
    return FcPatternGetString(pattern, object, 0, &value) == FcResultMatch
               ? QString::fromUtf8(reinterpret_cast<const char *>(value))
               : u"-"_s;
}

int intOf(FcPattern *pattern, const char *object)
{
    int value = -1;
    FcPatternGetInteger(pattern, object, 0, &value);
    return value;
}

int boolOf(FcPattern *pattern, const char *object)
{
    FcBool value = FcDontCare;
    FcPatternGetBool(pattern, object, 0, &value);
    return value;
}

FcPattern *requestPattern(const QString &family, double pixelSize, int weight, int slant)
{
    FcPattern *pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(family.toUtf8().constData()));
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixelSize);
    FcPatternAddInteger(pattern, FC_WEIGHT, weight);
    FcPatternAddInteger(pattern, FC_SLANT, slant);
    return pattern;
}

// What a font engine is made of for a request, as Qt's fontconfig database asks
// it: the file and face, and how its glyphs are rendered.
QString lookOf(FcConfig *config, const QString &family, double pixelSize, int weight, int slant)
{
    FcPattern *pattern = requestPattern(family, pixelSize, weight, slant);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return u"no match"_s;
    const QString look = u"%1#%2 antialias %3 hinting %4 hintstyle %5 autohint %6 rgba %7 lcdfilter %8 "
                         u"embeddedbitmap %9 embolden %10"_s.arg(stringOf(match, FC_FILE))
                             .arg(intOf(match, FC_INDEX))
                             .arg(boolOf(match, FC_ANTIALIAS))
                             .arg(boolOf(match, FC_HINTING))
                             .arg(intOf(match, FC_HINT_STYLE))
                             .arg(boolOf(match, FC_AUTOHINT))
                             .arg(intOf(match, FC_RGBA))
                             .arg(intOf(match, FC_LCD_FILTER))
                             .arg(boolOf(match, FC_EMBEDDED_BITMAP))
                             .arg(boolOf(match, FC_EMBOLDEN));
    FcPatternDestroy(match);
    return look;
}

// The family of the first font, in the order a fallback search takes them, that
// has a character: where a glyph missing from a family is drawn from.
QString fallbackFor(FcConfig *config, const QString &family, char32_t character)
{
    FcPattern *pattern = requestPattern(family, 13, FC_WEIGHT_REGULAR, FC_SLANT_ROMAN);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet *sorted = FcFontSort(config, pattern, FcFalse, nullptr, &result);
    FcPatternDestroy(pattern);
    QString found = u"none"_s;
    for (int i = 0; sorted && i < sorted->nfont; ++i) {
        FcCharSet *characters = nullptr;
        if (FcPatternGetCharSet(sorted->fonts[i], FC_CHARSET, 0, &characters) == FcResultMatch &&
            FcCharSetHasChar(characters, character)) {
            found = stringOf(sorted->fonts[i], FC_FAMILY);
            break;
        }
    }
    if (sorted)
        FcFontSetDestroy(sorted);
    return found;
}

// The family a character is drawn from with a list of families: the first that
// has it, else where a fallback search of the first one finds it.
QString drawnFrom(FcConfig *config, const QStringList &families, char32_t character)
{
    for (const QString &family : families) {
        FcPattern *pattern = requestPattern(family, 13, FC_WEIGHT_REGULAR, FC_SLANT_ROMAN);
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern *match = FcFontMatch(config, pattern, &result);
        FcPatternDestroy(pattern);
        FcCharSet *characters = nullptr;
        const bool has = match && stringOf(match, FC_FAMILY) == family &&
                         FcPatternGetCharSet(match, FC_CHARSET, 0, &characters) == FcResultMatch &&
                         FcCharSetHasChar(characters, character);
        if (match)
            FcPatternDestroy(match);
        if (has)
            return family;
    }
    return fallbackFor(config, families.value(0), character);
}

int fontCount(FcConfig *config)
{
    FcPattern *pattern = FcPatternCreate();
    FcObjectSet *objects = FcObjectSetBuild(FC_FILE, FC_INDEX, nullptr);
    FcFontSet *fonts = FcFontList(config, pattern, objects);
    const int count = fonts ? fonts->nfont : 0;
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return count;
}

QStringList filesOf(FcConfig *config, const QString &family)
{
    FcPattern *pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(family.toUtf8().constData()));
    FcObjectSet *objects = FcObjectSetBuild(FC_FILE, nullptr);
    FcFontSet *fonts = FcFontList(config, pattern, objects);
    QStringList files;
    for (int i = 0; fonts && i < fonts->nfont; ++i)
        files << stringOf(fonts->fonts[i], FC_FILE);
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    files.sort();
    return files;
}

} // namespace

TEST(ProgramFonts, RuleFilesAreThoseFontconfigReadsLessTheOtherFamiliesOnes)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const QString &name :
         {u"10-hinting-slight.conf"_s, u"README"_s, u"61-urw-nimbus-roman.conf"_s, u"50-user.conf"_s,
          u"61-urw-nimbus-roman.conf"_s, u"65-fonts-persian.conf"_s, u"65-nonlatin.conf"_s,
          u"40-nonlatin.conf"_s, u"45-latin.conf"_s, u"99-mine.conf"_s, u"conf.conf"_s, u"30-old.conf.bak"_s,
          u"58-dejavu-lgc-sans.conf"_s, u"20-unhint-small-dejavu-sans.conf"_s, u"20-unhint-small-vera.conf"_s,
          u"069-unifont.conf"_s}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"21-folder.conf"_s));
    QStringList names;
    for (const QString &file : ProgramRuleFiles(folder.path()))
        names << QFileInfo(file).fileName();
    EXPECT_EQ(names, (QStringList{u"069-unifont.conf"_s, u"10-hinting-slight.conf"_s,
                                  u"20-unhint-small-dejavu-sans.conf"_s, u"45-latin.conf"_s,
                                  u"50-user.conf"_s, u"61-urw-nimbus-roman.conf"_s, u"99-mine.conf"_s}));
    EXPECT_TRUE(ProgramRuleFiles(folder.filePath(u"absent"_s)).isEmpty());
}

TEST(ProgramFonts, HoldsEveryFamilyThePagesAreMappedTo)
{
    const QStringList families = ProgramFontFamilies();
    for (const QString &name :
         {u"Arial"_s, u"times new roman"_s, u" Comic Sans MS "_s, u"Courier"_s, u"Verdana"_s, u"Symbol"_s,
          u"MT Extra"_s, u"Wingdings"_s, u"MS Sans Serif"_s, u"Helvetica"_s, u""_s})
        for (const QString &family : FontMapper::families(name))
            EXPECT_TRUE(families.contains(family)) << family.toStdString() << " for " << name.toStdString();

    FcConfig *program = programConfig();
    ASSERT_NE(program, nullptr) << "the font packages of scripts/install-deps.sh are not all installed";
    for (const QString &family : families)
        EXPECT_EQ(filesOf(program, family).join(u' ').toStdString(),
                  filesOf(systemConfig(), family).join(u' ').toStdString())
            << family.toStdString();
    EXPECT_LT(fontCount(program), fontCount(systemConfig()));
}

// Every request the program makes gets the file and the rendering the whole
// system would give it: the pages and the controls look the same.
TEST(ProgramFonts, RequestsGetTheSameFileAndRenderingAsWithTheWholeSystem)
{
    FcConfig *program = programConfig();
    ASSERT_NE(program, nullptr);
    QStringList families = ProgramFontFamilies();
    families << u"sans-serif"_s << u"Sans Serif"_s << u"sans"_s << u"serif"_s << u"monospace"_s << u"mono"_s
             << u"system ui"_s << u"Arial"_s << u"Times New Roman"_s << u"Comic Sans MS"_s
             << u"Courier New"_s;
    int compared = 0;
    for (const QString &family : families)
        for (double pixelSize : {6.0, 9.0, 13.0, 16.5, 32.0})
            for (int weight : {FC_WEIGHT_REGULAR, FC_WEIGHT_BOLD})
                for (int slant : {FC_SLANT_ROMAN, FC_SLANT_ITALIC}) {
                    EXPECT_EQ(lookOf(program, family, pixelSize, weight, slant).toStdString(),
                              lookOf(systemConfig(), family, pixelSize, weight, slant).toStdString())
                        << family.toStdString() << ' ' << pixelSize << " px, weight " << weight << ", slant "
                        << slant;
                    ++compared;
                }
    EXPECT_EQ(compared, families.size() * 20);
}

// A character is drawn from the same font as with the whole system: from the
// first of its mapped families that has it, else from where a fallback search
// of the first one finds it. The symbol fonts' characters, and text of the pages.
TEST(ProgramFonts, CharactersComeFromTheSameFontsAsWithTheWholeSystem)
{
    FcConfig *program = programConfig();
    ASSERT_NE(program, nullptr);
    QList<char32_t> characters;
    for (SymbolEncoding encoding :
         {SymbolEncoding::Symbol, SymbolEncoding::Wingdings, SymbolEncoding::MTExtra})
        for (int byte = 0x20; byte <= 0xFF; ++byte)
            if (const char32_t c = FontMapper::symbolCharacter(encoding, static_cast<unsigned char>(byte)))
                characters << c;
    for (char32_t c : u"éèêàçùœ«»’…–—°µΩ±×÷≈≤≥→⇌½²³⁻₂₃‰Å∆√∞€ℓ"_s.toUcs4())
        characters << c;
    QStringList differences;
    for (const QString &name : {u"Arial"_s, u"Times New Roman"_s, u"Courier New"_s, u"Comic Sans MS"_s,
                                u"Verdana"_s, u"Symbol"_s, u"Wingdings"_s, u"Sans Serif"_s})
        for (char32_t c : characters) {
            const QString inProgram = drawnFrom(program, FontMapper::families(name), c);
            const QString inSystem = drawnFrom(systemConfig(), FontMapper::families(name), c);
            if (inProgram != inSystem)
                differences << u"%1 U+%2: %3 instead of %4"_s.arg(name)
                                   .arg(unsigned(c), 4, 16, QLatin1Char('0'))
                                   .arg(inProgram, inSystem);
        }
    EXPECT_TRUE(differences.isEmpty()) << differences.join(u'\n').toStdString();
}

// Where a family is missing the set is not made, and the configuration in use
// stays as it was.
TEST(ProgramFonts, AnIncompleteSetIsRefusedAndNothingChanges)
{
    QTemporaryDir cache;
    ASSERT_TRUE(cache.isValid());
    ProgramFontSources sources = SystemProgramFontSources();
    sources.cacheFolders = {cache.path()};
    sources.folders.removeIf([](const FontFolder &folder) { return folder.path.contains(u"comic-neue"_s); });
    FcConfig *before = FcConfigGetCurrent();
    EXPECT_EQ(NewProgramFontConfig(sources), nullptr);
    EXPECT_FALSE(UseProgramFonts(sources));
    EXPECT_EQ(FcConfigGetCurrent(), before);

    sources.folders.clear();
    EXPECT_EQ(NewProgramFontConfig(sources), nullptr);
}

// Folders are read whatever their names hold, and only the files asked for
// from a folder read in part.
TEST(ProgramFonts, FoldersWithAnyNameAreRead)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString odd = root.filePath(uR"(polices & "cours" <T>)"_s);
    ASSERT_TRUE(QDir().mkpath(odd));
    const QString font = filesOf(systemConfig(), u"Liberation Sans"_s).value(0);
    ASSERT_FALSE(font.isEmpty());
    ASSERT_TRUE(QFile::copy(font, odd + u"/Kept-Regular.ttf"_s));
    ASSERT_TRUE(QFile::copy(font, odd + u"/Left-Regular.ttf"_s));

    ProgramFontSources sources = SystemProgramFontSources();
    sources.cacheFolders.prepend(root.filePath(u"cache"_s)); // written there, not in the system's
    sources.folders.append({odd, {u"Kept-*"_s}});
    const QByteArray xml = ProgramFontConfiguration(sources);
    EXPECT_TRUE(xml.contains(R"(polices &amp; &quot;cours&quot; &lt;T&gt;)")) << xml.constData();

    Config config(NewProgramFontConfig(sources));
    ASSERT_NE(config, nullptr);
    const QStringList files = filesOf(config.get(), u"Liberation Sans"_s);
    EXPECT_TRUE(files.contains(odd + u"/Kept-Regular.ttf"_s)) << files.join(u'\n').toStdString();
    EXPECT_FALSE(files.contains(odd + u"/Left-Regular.ttf"_s));
}

// Made current before the application, the set is what Qt's font database
// lists; FONTCONFIG_FILE keeps the configuration it names.
TEST(ProgramFonts, QtListsTheSetOnceItIsCurrent)
{
    ASSERT_NE(programConfig(), nullptr);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            qputenv("FONTCONFIG_FILE", "/etc/fonts/fonts.conf");
            const bool usedDespiteTheFile = UseProgramFonts();
            qunsetenv("FONTCONFIG_FILE");
            const bool used = UseProgramFonts();
            const QStringList families = QFontDatabase::families();
            // Noto's Devanagari (of the same package as Noto's symbols) is outside the set.
            const bool listed = families.contains(u"Liberation Sans"_s) &&
                                families.contains(u"Noto Sans Symbols2"_s) &&
                                !families.contains(u"Noto Sans Devanagari"_s);
            const bool onlyTheSet = fontCount(FcConfigGetCurrent()) == fontCount(programConfig());
            std::exit(!usedDespiteTheFile && used && listed && onlyTheSet ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
