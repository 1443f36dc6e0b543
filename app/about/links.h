#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

namespace scribel {

// The author's and the association's addresses (fictitious, on reserved domains).
inline constexpr QStringView kAuthorMail = u"luc.ferrand@scribel.example";
inline constexpr QStringView kAuthorWebPage = u"http://www.scribel.example/";
inline constexpr QStringView kAssociationSite = u"http://www.zolk.example/";

enum class LinkKind { Document, WebAddress, MailAddress };

// One button of the about tab: its caption and what it hands to the open action.
struct Link {
    QStringView button;
    LinkKind kind;
    QStringView captionStart;
    QStringView target; // a document's bare file name, or an address
};

inline constexpr std::array<Link, 7> kLinks = {{
    {u"SSCommand1", LinkKind::Document, u"Lire Le_ZOLk_.txt", u"Le_Zolk_.txt"},
    {u"SSCommand2", LinkKind::Document, u"Lire Adhésion.txt", u"Adhesion.txt"},
    {u"SSCommand3", LinkKind::Document, u"Lire Le_ZOLk_.hlp", u"Le_Zolk_.hlp"},
    {u"SSCommand4", LinkKind::Document, u"Lire Le_ZOLk_.htm", u"Le_Zolk_.htm"},
    {u"SSCommand5", LinkKind::WebAddress, u"Visiter le site de ZOLk : ", kAssociationSite},
    {u"EMail", LinkKind::MailAddress, u"M'envoyer un E-Mail : ", kAuthorMail},
    {u"Internet", LinkKind::WebAddress, u"Visiter mon site : ", kAuthorWebPage},
}};

// The button's caption: documents show their fixed text, addresses are appended.
QString linkCaption(const Link& link);

// The first of the folders, in order, that holds a document of that bare name.
std::optional<QString> findDocument(QStringView name, const QStringList& folders);

} // namespace scribel
