// Zevora - the colour record of the page colours dialog.
#pragma once

#include <QString>

#include <array>

/// The five colour attributes of a BODY tag and the rest of it. Each colour
/// attribute is kept as a leading blank, the attribute as written (name, "="
/// and value), for example ` bgColor="#3366CC"`; empty when absent. cOther
/// holds the tag's other attributes in the same form, one blank before each.
/// bodyMsg is the tail written after "<BODY" once a colour was picked: the five
/// colours, cOther and ">".
class cColorPage
{
public:
    enum Attribute
    {
        Background = 0,
        Text,
        Link,
        ALink,
        VLink,
        AttributeCount
    };

    QString bodyMsg() const { return m_bodyMsg; }
    void setBodyMsg(const QString &value) { m_bodyMsg = value; }
    QString cVlink() const { return m_colours[VLink]; }
    void setCVlink(const QString &value) { m_colours[VLink] = value; }
    QString cAlink() const { return m_colours[ALink]; }
    void setCAlink(const QString &value) { m_colours[ALink] = value; }
    QString cLink() const { return m_colours[Link]; }
    void setCLink(const QString &value) { m_colours[Link] = value; }
    QString cText() const { return m_colours[Text]; }
    void setCText(const QString &value) { m_colours[Text] = value; }
    QString cBG() const { return m_colours[Background]; }
    void setCBG(const QString &value) { m_colours[Background] = value; }
    QString cOther() const { return m_cOther; }
    void setCOther(const QString &value) { m_cOther = value; }

    /// The colour attribute \a attribute (cBG, cText, cLink, cAlink, cVlink).
    QString colour(int attribute) const { return m_colours.at(std::size_t(attribute)); }
    void setColour(int attribute, const QString &value) { m_colours.at(std::size_t(attribute)) = value; }

    /// The five colours, cOther and ">", joined.
    QString joined() const;

private:
    QString m_bodyMsg;
    std::array<QString, AttributeCount> m_colours;
    QString m_cOther;
};
