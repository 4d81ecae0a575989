#pragma once
// The text format of component streams, indented two blanks per level:
//
//     object Form1: TForm                   a component: name (may be left out) and class
//       Caption = 'Orders'                  a published property
//       Font.Style = [fsBold]               a property of a nested object
//       Color = clBtnFace                   identifiers: enumerations, colours, references
//       Ratio = 2.5                         numbers: decimal, "$" hexadecimal, NaN, Inf
//       Items = <                           a collection: its items' properties
//         item
//           Caption = 'First'
//         end>
//       OutList = (2 'OkButton' 'CancelButton')   a list of values
//       Data = {0A1B2C}                     bytes in hexadecimal
//       object Edit1: TEdit                 a child: a control inside its container
//         Text = 'It''s'#10'two lines'      strings: quoted, '' for a quote, #n for a code
//       end
//     end
//
// "//" starts a comment to the end of the line. Parsing keeps the line of every object,
// property and value so that the reader names it in its errors.

#include <QString>

#include "platform/runtime/streamvalue.h"
#include "vexo/platform_export.h"

namespace vexo {

// The object tree of a stream text; raises EReadError naming the line of the first fault.
// Nesting deeper than MaxStreamNesting levels is refused.
VEXO_PLATFORM_EXPORT TStreamObject ParseStreamText(const QString& text);
// The text of an object tree, ending in a line break.
VEXO_PLATFORM_EXPORT QString StreamTextOf(const TStreamObject& object);

inline constexpr int MaxStreamNesting = 64;

} // namespace vexo
