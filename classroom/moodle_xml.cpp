#include "moodle_xml.h"

#include "answer_tolerance.h"
#include "classroom_texts.h"
#include "key_rows.h"

#include <QXmlStreamWriter>

using namespace Qt::Literals::StringLiterals;

namespace classroom {

namespace {

void writeText(QXmlStreamWriter &xml, const QString &element, const QString &text, const QString &format = {})
{
    xml.writeStartElement(element);
    if (!format.isEmpty())
        xml.writeAttribute(u"format"_s, format);
    xml.writeTextElement(u"text"_s, text);
    xml.writeEndElement();
}

void writeQuestion(QXmlStreamWriter &xml, const ClassroomTask &task, const KeyRow &row)
{
    xml.writeStartElement(u"question"_s);
    xml.writeAttribute(u"type"_s, u"numerical"_s);
    writeText(xml, u"name"_s, quizQuestionName(row.variant, row.pupil));
    writeText(xml, u"questiontext"_s, quizQuestionHtml(task, row.variant), u"html"_s);
    writeText(xml, u"generalfeedback"_s, {}, u"html"_s);
    xml.writeTextElement(u"defaultgrade"_s, u"1"_s);
    xml.writeTextElement(u"penalty"_s, u"0.3333333"_s);
    xml.writeTextElement(u"hidden"_s, u"0"_s);
    xml.writeStartElement(u"answer"_s);
    xml.writeAttribute(u"fraction"_s, u"100"_s);
    xml.writeAttribute(u"format"_s, u"moodle_auto_format"_s);
    xml.writeTextElement(u"text"_s, QString::number(row.line.nm));
    // Moodle's "accepted error": nm ± tolerance counts as right.
    xml.writeTextElement(u"tolerance"_s, QString::number(acceptedSpreadNm(row.line.nm)));
    writeText(xml, u"feedback"_s, {}, u"html"_s);
    xml.writeEndElement();
    // No unit field: the text asks for the number in nm.
    xml.writeTextElement(u"unitgradingtype"_s, u"0"_s);
    xml.writeTextElement(u"unitpenalty"_s, u"0"_s);
    xml.writeTextElement(u"showunits"_s, u"3"_s);
    xml.writeTextElement(u"unitsleft"_s, u"0"_s);
    xml.writeEndElement();
}

} // namespace

QByteArray moodleQuizXml(const ClassroomTask &task)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(u"quiz"_s);

    xml.writeStartElement(u"question"_s);
    xml.writeAttribute(u"type"_s, u"category"_s);
    // A slash would start a subcategory; Moodle reads "//" as one slash.
    writeText(xml, u"category"_s, u"$course$/"_s + QString(quizCategoryName(task)).replace(u'/', u"//"_s));
    xml.writeEndElement();

    for (const KeyRow &row : keyRows(task))
        writeQuestion(xml, task, row);

    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

} // namespace classroom
