#include "LectorXml.h"
#include "ErrorLibro.h"

#include <gtest/gtest.h>

using namespace xlsx;

namespace {

// Feeds the text a few bytes at a time, so every token crosses a read boundary somewhere.
LectorXml::Fuente Trozos(std::string texto, size_t trozo)
{
    auto pos = std::make_shared<size_t>(0);
    return [texto = std::move(texto), trozo, pos](char* d, size_t maximo) {
        const size_t n = std::min({trozo, maximo, texto.size() - *pos});
        std::copy_n(texto.data() + *pos, n, d);
        *pos += n;
        return n;
    };
}

// Events as text: "<name a=v>", "</name>", "'text'".
std::string Recorrer(const std::string& xml, size_t trozo, const std::vector<std::string>& atributos = {})
{
    LectorXml x(Trozos(xml, trozo));
    std::string r;
    for (;;) {
        switch (x.Siguiente()) {
        case LectorXml::Evento::Final: return r;
        case LectorXml::Evento::Inicio:
            r += "<" + std::string(x.Nombre());
            for (const auto& a : atributos)
                if (const auto v = x.Atributo(a))
                    r += " " + a + "=" + std::string(*v);
            r += ">";
            break;
        case LectorXml::Evento::Fin: r += "</" + std::string(x.Nombre()) + ">"; break;
        case LectorXml::Evento::Texto: r += "'" + std::string(x.Texto()) + "'"; break;
        }
    }
}

std::string FalloDe(const std::string& xml)
{
    try {
        Recorrer(xml, 1000);
    } catch (const Fallo& f) {
        return f.what();
    }
    return {};
}

} // namespace

TEST(LectorXml, GivesTheSameEventsWhateverTheReadSize)
{
    const std::string xml = "\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<x:sst xmlns:x=\"u\" count='2'><!-- c -->"
                            "<x:si><x:t xml:space=\"preserve\"> a &amp; b&#x41;&#66; </x:t></x:si>"
                            "<x:si><x:t><![CDATA[<raw>]]></x:t><x:e/></x:si></x:sst>";
    const std::string esperado = "<sst count=2><si><t>' a & bAB '</t></si><si><t>'<raw>'</t><e></e></si></sst>";
    for (size_t trozo : {1, 2, 3, 7, 64, 100000})
        EXPECT_EQ(Recorrer(xml, trozo, {"count"}), esperado) << "reads of " << trozo << " bytes";
}

TEST(LectorXml, RefusesADoctypeSoNoEntityCanExpand)
{
    const std::string bomba = "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">"
                              "<!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">]>"
                              "<sst><si><t>&lol2;</t></si></sst>";
    EXPECT_NE(FalloDe(bomba).find("DOCTYPE"), std::string::npos);
    EXPECT_NE(FalloDe("<a>&lol;</a>").find("entidad desconocida"), std::string::npos);
}

TEST(LectorXml, ReportsBrokenXmlInsteadOfGuessing)
{
    EXPECT_NE(FalloDe("<a><b></b>").find("incompleto"), std::string::npos);
    EXPECT_NE(FalloDe("<a x=\"1></a>").find("incompleto"), std::string::npos);
    EXPECT_NE(FalloDe("").find("incompleto"), std::string::npos);
    EXPECT_FALSE(FalloDe("<a></a></b>").empty());
    EXPECT_FALSE(FalloDe("<a>&#0;</a>").empty());
    EXPECT_FALSE(FalloDe("<a b=c/>").empty());
    EXPECT_FALSE(FalloDe("\xFF\xFE<\0a\0>\0").empty());
}

TEST(LectorXml, NormalisesLineEndsInText)
{
    EXPECT_EQ(Recorrer("<t>a\r\nb\rc</t>", 2), "<t>'a\nb\nc'</t>");
}
