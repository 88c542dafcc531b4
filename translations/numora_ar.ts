<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Accessibility</name>
    <message>
        <source>top row, left column</source>
        <extracomment>Spoken by a screen reader, never shown: where a cell of the main window&apos;s 3-by-3 grid lies, said after its digit or &quot;hidden&quot; and before &quot;Row sum: %1, column sum: %2.&quot;.</extracomment>
        <translation>الصف العلوي، العمود الأيسر</translation>
    </message>
    <message>
        <source>top row, middle column</source>
        <extracomment>Spoken by a screen reader, never shown: where a cell of the main window&apos;s 3-by-3 grid lies, said after its digit or &quot;hidden&quot; and before &quot;Row sum: %1, column sum: %2.&quot;.</extracomment>
        <translation>الصف العلوي، العمود الأوسط</translation>
    </message>
    <message>
        <source>top row, right column</source>
        <extracomment>Spoken by a screen reader, never shown: where a cell of the main window&apos;s 3-by-3 grid lies, said after its digit or &quot;hidden&quot; and before &quot;Row sum: %1, column sum: %2.&quot;.</extracomment>
        <translation>الصف العلوي، العمود الأيمن</translation>
    </message>
    <message>
        <source>middle row, left column</source>
        <extracomment>Spoken by a screen reader, never shown: where a cell of the main window&apos;s 3-by-3 grid lies, said after its digit or &quot;hidden&quot; and before &quot;Row sum: %1, column sum: %2.&quot;.</extracomment>
        <translation>الصف الأوسط، العمود الأيسر</translation>
    </message>
    <message>
        <source>middle row, middle column</source>
        <extracomment>Spoken by a screen reader, never shown: where a cell of the main window&apos;s 3-by-3 grid lies, said after its digit or &quot;hidden&quot; and before &quot;Row sum: %1, column sum: %2.&quot;.</extracomment>
        <translation>الصف الأوسط، العمود الأوسط</translation>
    </message>
    <message>
        <source>middle row, right column</source>
        <extracomment>Spoken by a screen reader, never shown: where a cell of the main window&apos;s 3-by-3 grid lies, said after its digit or &quot;hidden&quot; and before &quot;Row sum: %1, column sum: %2.&quot;.</extracomment>
        <translation>الصف الأوسط، العمود الأيمن</translation>
    </message>
    <message>
        <source>bottom row, left column</source>
        <extracomment>Spoken by a screen reader, never shown: where a cell of the main window&apos;s 3-by-3 grid lies, said after its digit or &quot;hidden&quot; and before &quot;Row sum: %1, column sum: %2.&quot;.</extracomment>
        <translation>الصف السفلي، العمود الأيسر</translation>
    </message>
    <message>
        <source>bottom row, middle column</source>
        <extracomment>Spoken by a screen reader, never shown: where a cell of the main window&apos;s 3-by-3 grid lies, said after its digit or &quot;hidden&quot; and before &quot;Row sum: %1, column sum: %2.&quot;.</extracomment>
        <translation>الصف السفلي، العمود الأوسط</translation>
    </message>
    <message>
        <source>bottom row, right column</source>
        <extracomment>Spoken by a screen reader, never shown: where a cell of the main window&apos;s 3-by-3 grid lies, said after its digit or &quot;hidden&quot; and before &quot;Row sum: %1, column sum: %2.&quot;.</extracomment>
        <translation>الصف السفلي، العمود الأيمن</translation>
    </message>
    <message>
        <source>sum of the top row</source>
        <extracomment>Spoken by a screen reader, never shown: names one of the sums beside and under the main window&apos;s grid.</extracomment>
        <translation>مجموع الصف العلوي</translation>
    </message>
    <message>
        <source>sum of the middle row</source>
        <extracomment>Spoken by a screen reader, never shown: names one of the sums beside and under the main window&apos;s grid.</extracomment>
        <translation>مجموع الصف الأوسط</translation>
    </message>
    <message>
        <source>sum of the bottom row</source>
        <extracomment>Spoken by a screen reader, never shown: names one of the sums beside and under the main window&apos;s grid.</extracomment>
        <translation>مجموع الصف السفلي</translation>
    </message>
    <message>
        <source>sum of the right column</source>
        <extracomment>Spoken by a screen reader, never shown: names one of the sums beside and under the main window&apos;s grid.</extracomment>
        <translation>مجموع العمود الأيمن</translation>
    </message>
    <message>
        <source>sum of the middle column</source>
        <extracomment>Spoken by a screen reader, never shown: names one of the sums beside and under the main window&apos;s grid.</extracomment>
        <translation>مجموع العمود الأوسط</translation>
    </message>
    <message>
        <source>sum of the left column</source>
        <extracomment>Spoken by a screen reader, never shown: names one of the sums beside and under the main window&apos;s grid.</extracomment>
        <translation>مجموع العمود الأيسر</translation>
    </message>
    <message>
        <source>status</source>
        <extracomment>Spoken by a screen reader, never shown: names the status line, which says what to do next or how long the puzzle lasts.</extracomment>
        <translation>رسالة</translation>
    </message>
    <message>
        <source>Row sum: %1, column sum: %2.</source>
        <extracomment>Spoken by a screen reader, never shown: after a grid cell&apos;s place, %1 is the sum of its row and %2 that of its column (numbers).</extracomment>
        <translation>مجموع الصف: %1، مجموع العمود: %2.</translation>
    </message>
    <message>
        <source>factor, top left</source>
        <extracomment>Spoken by a screen reader, never shown: where a factor (a digit) of the multiplication window&apos;s 2-by-2 square lies, said before &quot;Row product %1, column product %2.&quot;.</extracomment>
        <translation>عامل، أعلى اليسار</translation>
    </message>
    <message>
        <source>factor, top right</source>
        <extracomment>Spoken by a screen reader, never shown: where a factor (a digit) of the multiplication window&apos;s 2-by-2 square lies, said before &quot;Row product %1, column product %2.&quot;.</extracomment>
        <translation>عامل، أعلى اليمين</translation>
    </message>
    <message>
        <source>factor, bottom left</source>
        <extracomment>Spoken by a screen reader, never shown: where a factor (a digit) of the multiplication window&apos;s 2-by-2 square lies, said before &quot;Row product %1, column product %2.&quot;.</extracomment>
        <translation>عامل، أسفل اليسار</translation>
    </message>
    <message>
        <source>factor, bottom right</source>
        <extracomment>Spoken by a screen reader, never shown: where a factor (a digit) of the multiplication window&apos;s 2-by-2 square lies, said before &quot;Row product %1, column product %2.&quot;.</extracomment>
        <translation>عامل، أسفل اليمين</translation>
    </message>
    <message>
        <source>product of the top row</source>
        <extracomment>Spoken by a screen reader, never shown: names one of the products beside and under the multiplication window&apos;s square.</extracomment>
        <translation>ناتج ضرب الصف العلوي</translation>
    </message>
    <message>
        <source>product of the bottom row</source>
        <extracomment>Spoken by a screen reader, never shown: names one of the products beside and under the multiplication window&apos;s square.</extracomment>
        <translation>ناتج ضرب الصف السفلي</translation>
    </message>
    <message>
        <source>product of the right column</source>
        <extracomment>Spoken by a screen reader, never shown: names one of the products beside and under the multiplication window&apos;s square.</extracomment>
        <translation>ناتج ضرب العمود الأيمن</translation>
    </message>
    <message>
        <source>product of the left column</source>
        <extracomment>Spoken by a screen reader, never shown: names one of the products beside and under the multiplication window&apos;s square.</extracomment>
        <translation>ناتج ضرب العمود الأيسر</translation>
    </message>
    <message>
        <source>your answer</source>
        <extracomment>Spoken by a screen reader, never shown: names the multiplication window&apos;s display of the answer being typed.</extracomment>
        <translation>إجابتك</translation>
    </message>
    <message>
        <source>clears your answer</source>
        <extracomment>Spoken by a screen reader, never shown: what the multiplication pad&apos;s &quot;Cls.&quot; key does.</extracomment>
        <translation>يمسح إجابتك</translation>
    </message>
    <message>
        <source>Row product %1, column product %2.</source>
        <extracomment>Spoken by a screen reader, never shown: after a factor&apos;s place, %1 is the product of its row and %2 that of its column: its number, or the words for &quot;not found yet&quot; (a gendered language agrees with &quot;product&quot;).</extracomment>
        <translation>ناتج ضرب الصف: %1، ناتج ضرب العمود: %2.</translation>
    </message>
    <message>
        <source>hidden</source>
        <extracomment>Spoken by a screen reader, never shown: a grid cell whose number the player must find, said in place of its digit.</extracomment>
        <translation>مخفي</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Spoken by a screen reader, never shown: a cell that shows no digit (before a game, after Stop).</extracomment>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>not found yet</source>
        <extracomment>Spoken by a screen reader, never shown: a product not found yet, in place of its number (%1 or %2 of &quot;Row product %1, column product %2.&quot;); a gendered language agrees with &quot;product&quot;.</extracomment>
        <translation>لم تجده بعد</translation>
    </message>
    <message>
        <source>number pad</source>
        <extracomment>Spoken by a screen reader, never shown: the name of the number pad, and what each of its keys belongs to.</extracomment>
        <translation>لوحة الأرقام</translation>
    </message>
    <message>
        <source>level</source>
        <extracomment>Spoken by a screen reader, never shown: says what the level list is (its name is the level chosen).</extracomment>
        <translation>المستوى</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Click to select number.</source>
        <extracomment>The status line as the window opens, before any game: the player may pick a number on the number pad; in play it reads &quot;Click number to select.&quot;. 83 px wide (99 px in the multiplication window), bold 8.25 pt, wraps.</extracomment>
        <translation>اختر عددًا.</translation>
    </message>
    <message>
        <source>Click number to select.</source>
        <extracomment>The status line at each new puzzle and after Stop: click a number of the number pad. Before any game it reads &quot;Click to select number.&quot;. 83 px wide (99 px in the multiplication window), bold 8.25 pt, wraps.</extracomment>
        <translation>انقر على عدد.</translation>
    </message>
    <message>
        <source>You have exceeded maximum number of attempts. Wait will refresh in %1 Sec.</source>
        <extracomment>The main window&apos;s status line after too many picks on one puzzle (83 px wide, bold 8.25 pt, wraps): &quot;refresh&quot; means that the next puzzle comes (use the word of &quot;New puzzle.&quot;); %1 is the seconds left, &quot;Sec.&quot; abbreviates seconds.</extracomment>
        <translation>محاولات كثيرة جدًا. انتظر، لغز جديد بعد %1 ث.</translation>
    </message>
    <message>
        <source>Refreshing in %1 Sec.</source>
        <extracomment>The multiplication window&apos;s status line (99 px wide, bold 8.25 pt, wraps): %1 is the seconds until the next puzzle replaces this one (use the word of &quot;New puzzle.&quot;); &quot;Sec.&quot; abbreviates seconds.</extracomment>
        <translation>لغز جديد بعد %1 ث.</translation>
    </message>
    <message>
        <source>KORVELLAN - Refreshing in - %1</source>
        <extracomment>The game windows&apos; title in play, in a 300 px window&apos;s title bar: %1 is the seconds until the next puzzle (use the word of &quot;New puzzle.&quot;); it can reach 0, and below while the window is minimised. KORVELLAN is the maker&apos;s name and stays as is.</extracomment>
        <translation>‏KORVELLAN - لغز جديد بعد - %1</translation>
    </message>
    <message>
        <source>Level - %1(%2 Sec.)</source>
        <extracomment>An entry of the level list, a drop-down list 118 px wide in both game windows: %1 is the level&apos;s number, %2 its seconds per puzzle; &quot;Sec.&quot; abbreviates seconds.</extracomment>
        <translation>المستوى %1 (%2 ث)</translation>
    </message>
    <message numerus="yes">
        <source>You have exceeded maximum number of attempts. Wait will refresh in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Wait will refresh in 7 Sec.&quot;, never shown; %n is the seconds left.</extracomment>
        <translation>
            <numerusform>محاولات كثيرة جدًا. انتظر، لغز جديد بعد %n ثانية.</numerusform>
            <numerusform>محاولات كثيرة جدًا. انتظر، لغز جديد بعد ثانية %n.</numerusform>
            <numerusform>محاولات كثيرة جدًا. انتظر، لغز جديد بعد ثانيتين %n.</numerusform>
            <numerusform>محاولات كثيرة جدًا. انتظر، لغز جديد بعد %n ثوانٍ.</numerusform>
            <numerusform>محاولات كثيرة جدًا. انتظر، لغز جديد بعد %n ثانية.</numerusform>
            <numerusform>محاولات كثيرة جدًا. انتظر، لغز جديد بعد %n ثانية.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the status line&apos;s &quot;Refreshing in 7 Sec.&quot;, never shown; %n is the seconds until the next puzzle.</extracomment>
        <translation>
            <numerusform>لغز جديد بعد %n ثانية.</numerusform>
            <numerusform>لغز جديد بعد ثانية %n.</numerusform>
            <numerusform>لغز جديد بعد ثانيتين %n.</numerusform>
            <numerusform>لغز جديد بعد %n ثوانٍ.</numerusform>
            <numerusform>لغز جديد بعد %n ثانية.</numerusform>
            <numerusform>لغز جديد بعد %n ثانية.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>KORVELLAN: Refreshing in %n second(s).</source>
        <extracomment>Spoken by a screen reader for the title &quot;KORVELLAN - Refreshing in - 7&quot;, never shown; %n is the seconds until the next puzzle. KORVELLAN is the maker&apos;s name and stays as is.</extracomment>
        <translation>
            <numerusform>KORVELLAN: لغز جديد بعد %n ثانية.</numerusform>
            <numerusform>KORVELLAN: لغز جديد بعد ثانية %n.</numerusform>
            <numerusform>KORVELLAN: لغز جديد بعد ثانيتين %n.</numerusform>
            <numerusform>KORVELLAN: لغز جديد بعد %n ثوانٍ.</numerusform>
            <numerusform>KORVELLAN: لغز جديد بعد %n ثانية.</numerusform>
            <numerusform>KORVELLAN: لغز جديد بعد %n ثانية.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Level %1, %n second(s)</source>
        <extracomment>Spoken by a screen reader for the level list&apos;s entry &quot;Level - 1(11 Sec.)&quot;, never shown; %1 is the level&apos;s number, %n its seconds per puzzle.</extracomment>
        <translation>
            <numerusform>المستوى %1، %n ثانية</numerusform>
            <numerusform>المستوى %1، ثانية %n</numerusform>
            <numerusform>المستوى %1، ثانيتان %n</numerusform>
            <numerusform>المستوى %1، %n ثوانٍ</numerusform>
            <numerusform>المستوى %1، %n ثانية</numerusform>
            <numerusform>المستوى %1، %n ثانية</numerusform>
        </translation>
    </message>
    <message>
        <source>Product of the top row.</source>
        <extracomment>Spoken by a screen reader, never shown: the multiplication game&apos;s next product to find.</extracomment>
        <translation>ناتج ضرب الصف العلوي.</translation>
    </message>
    <message>
        <source>Product of the bottom row.</source>
        <extracomment>Spoken by a screen reader, never shown: the multiplication game&apos;s next product to find.</extracomment>
        <translation>ناتج ضرب الصف السفلي.</translation>
    </message>
    <message>
        <source>Product of the right column.</source>
        <extracomment>Spoken by a screen reader, never shown: the multiplication game&apos;s next product to find.</extracomment>
        <translation>ناتج ضرب العمود الأيمن.</translation>
    </message>
    <message>
        <source>Product of the left column.</source>
        <extracomment>Spoken by a screen reader, never shown: the multiplication game&apos;s next product to find.</extracomment>
        <translation>ناتج ضرب العمود الأيسر.</translation>
    </message>
    <message>
        <source>New puzzle.</source>
        <extracomment>Spoken by a screen reader, never shown: a new puzzle has replaced the last one.</extracomment>
        <translation>لغز جديد.</translation>
    </message>
    <message>
        <source>Solved!</source>
        <extracomment>Spoken by a screen reader, never shown: the player has found both missing numbers.</extracomment>
        <translation>حللتَ اللغز!</translation>
    </message>
    <message>
        <source>All four found!</source>
        <extracomment>Spoken by a screen reader, never shown: all four products of the multiplication puzzle are found.</extracomment>
        <translation>وجدتَ النواتج الأربعة كلها!</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <extracomment>Spoken by a screen reader, never shown: the player pressed Stop and the game has ended.</extracomment>
        <translation>توقفت الجولة.</translation>
    </message>
    <message>
        <source>%1 is right!</source>
        <extracomment>Spoken by a screen reader, never shown: a product the player typed is right; %1 is that product.</extracomment>
        <translation>%1 صحيح!</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>II</source>
        <comment>the pause button</comment>
        <extracomment>Two capital I&apos;s drawn as a pause sign on a small button (its tool tip says &quot;Pause&quot;); keep them unless your script draws the pause sign otherwise.</extracomment>
        <translation>II</translation>
    </message>
    <message>
        <source>II</source>
        <comment>an upright equals sign at a column&apos;s foot</comment>
        <extracomment>Two capital I&apos;s standing for an equals sign turned upright, between a column and its sum below it; keep them.</extracomment>
        <translation>II</translation>
    </message>
    <message>
        <source>&amp;Start Numora</source>
        <extracomment>Button of both game windows that starts a game: 118 px wide, 9.75 pt. The &amp; marks its access key, distinct from that of &quot;&amp;Exit &quot; and never E (Alt+E leaves the game in English).</extracomment>
        <translation>&amp;ابدأ اللعب</translation>
    </message>
    <message>
        <source>Start New game</source>
        <extracomment>Tool tip of the &quot;&amp;Start Numora&quot; button, which starts a game.</extracomment>
        <translation>ابدأ جولة جديدة</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button of both game windows that stops the game under way: 38 px wide.</extracomment>
        <translation>توقف</translation>
    </message>
    <message>
        <source>Pause</source>
        <extracomment>Tool tip of the small pause button of the game windows, which shows &quot;II&quot; (kept hidden for now).</extracomment>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>&amp;Exit </source>
        <extracomment>Button that closes the window (the main window&apos;s also ends the program): 54 px wide, bold 9.75 pt. The &amp; marks its access key, distinct from that of &quot;&amp;Start Numora&quot; and never S.</extracomment>
        <translation>خرو&amp;ج</translation>
    </message>
    <message>
        <source> Exit game</source>
        <extracomment>Tool tip of the &quot;&amp;Exit &quot; button, which closes the window.</extracomment>
        <translation>الخروج من اللعبة</translation>
    </message>
    <message>
        <source>Find the missing numbers.</source>
        <extracomment>The main window&apos;s line above the grid, saying what to do: one line of 126 px.</extracomment>
        <translation>أوجد الأعداد الناقصة.</translation>
    </message>
    <message>
        <source>Click to select number.</source>
        <extracomment>The status line as the window opens, before any game: the player may pick a number on the number pad; in play it reads &quot;Click number to select.&quot;. 83 px wide (99 px in the multiplication window), bold 8.25 pt, wraps.</extracomment>
        <translation>اختر عددًا.</translation>
    </message>
    <message>
        <source>I would like to pay.</source>
        <extracomment>Button of the main window that opens the maker&apos;s donation page in the web browser: 155 px wide.</extracomment>
        <translation>أريد أن أدفع.</translation>
    </message>
    <message>
        <source>Find the multiplication numbers.</source>
        <extracomment>The multiplication window&apos;s line above the square, saying what to do: one line of 148 px.</extracomment>
        <translation>احسب نواتج الضرب.</translation>
    </message>
    <message>
        <source>Cls.</source>
        <extracomment>The multiplication pad&apos;s clear key, about 40 pixels wide: it clears the answer typed so far (not &quot;close&quot;). A word where it fits, else an abbreviation.</extracomment>
        <translation>امسح</translation>
    </message>
    <message>
        <source>Numora - 1</source>
        <extracomment>Button of the topic selector that opens the missing-numbers game: 143 px wide. Numora is the game&apos;s name; put the number after a space, as a screen reader reads the dash as &quot;minus&quot;.</extracomment>
        <translation>Numora - 1</translation>
    </message>
    <message>
        <source>algebra - 1</source>
        <extracomment>Button of the topic selector for an algebra topic this version does not have (it only closes the selector): 143 px wide. Put the number after a space, not after the dash.</extracomment>
        <translation>الجبر - 1</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Active Internet connection required.</source>
        <extracomment>Message box as the program starts without an Internet connection; the program then ends.</extracomment>
        <translation>يلزمك اتصال بالإنترنت.</translation>
    </message>
    <message>
        <source>KORVELLAN : Internet Required.</source>
        <extracomment>Title of the message box &quot;Active Internet connection required.&quot;. KORVELLAN is the maker&apos;s name and stays as is.</extracomment>
        <translation>‏KORVELLAN: الإنترنت مطلوب.</translation>
    </message>
    <message>
        <source>Installed files missing run setup again. Contact KORVELLAN</source>
        <extracomment>Message box when the maker&apos;s welcome page cannot be opened as the program starts: reinstall, or contact the maker. KORVELLAN is the maker&apos;s name and stays as is.</extracomment>
        <translation>بعض ملفات اللعبة مفقودة. أعد تثبيت اللعبة أو راسل KORVELLAN.</translation>
    </message>
    <message>
        <source>Active Internet connection is required.</source>
        <extracomment>Message box when the File menu&apos;s &quot;Check for updates...&quot; or &quot;Download Glimmerquiz Game&quot; finds no Internet connection.</extracomment>
        <translation>الاتصال بالإنترنت ضروري.</translation>
    </message>
    <message>
        <source>KORVELLAN : Internet connection required.</source>
        <extracomment>Title of the message box &quot;Active Internet connection is required.&quot;. KORVELLAN is the maker&apos;s name and stays as is.</extracomment>
        <translation>‏KORVELLAN: يلزم الاتصال بالإنترنت.</translation>
    </message>
    <message>
        <source>updates available. Send email for the link to download Updates</source>
        <extracomment>Message box after the File menu&apos;s &quot;Check for updates...&quot; when a newer version exists: the player writes to the maker for its address.</extracomment>
        <translation>يوجد تحديث. أرسل بريدًا إلكترونيًا لتحصل على رابط التنزيل.</translation>
    </message>
    <message>
        <source>No updates available.</source>
        <extracomment>Message box after the File menu&apos;s &quot;Check for updates...&quot;: this is the newest version.</extracomment>
        <translation>لا يوجد تحديث.</translation>
    </message>
    <message>
        <source>KORVELLAN : Update</source>
        <extracomment>Title of the message box &quot;No updates available.&quot;. KORVELLAN is the maker&apos;s name and stays as is.</extracomment>
        <translation>‏KORVELLAN: تحديث</translation>
    </message>
    <message>
        <source>Server down check later.</source>
        <extracomment>Message box after the File menu&apos;s &quot;Check for updates...&quot; when the maker&apos;s server cannot tell: try again later.</extracomment>
        <translation>الخادم لا يستجيب. حاول مرة أخرى لاحقًا.</translation>
    </message>
    <message>
        <source>The web page could not be opened.</source>
        <extracomment>Message box when the desktop cannot open a web page (the donation button&apos;s, or that of &quot;Download Glimmerquiz Game&quot;).</extracomment>
        <translation>تعذّر فتح صفحة الويب.</translation>
    </message>
</context>
<context>
    <name>numora::Form</name>
    <message>
        <source>File</source>
        <extracomment>The one menu of the game windows&apos; menu bar, holding their game and online items.</extracomment>
        <translation>ملف</translation>
    </message>
</context>
<context>
    <name>numora::MainForm</name>
    <message>
        <source>Multiplication Game -1</source>
        <extracomment>Item of the main window&apos;s File menu that opens the multiplication game. Put the number after a space, as a screen reader reads the dash as &quot;minus&quot;.</extracomment>
        <translation>لعبة الضرب 1</translation>
    </message>
    <message>
        <source>Multiplication Game 1</source>
        <extracomment>What a screen reader says for the menu item &quot;Multiplication Game -1&quot;, which it would read as &quot;minus one&quot;; never shown.</extracomment>
        <translation>لعبة الضرب 1</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <extracomment>Item of the main window&apos;s File menu: asks the maker&apos;s server whether a newer version exists; a message box answers.</extracomment>
        <translation>البحث عن تحديثات...</translation>
    </message>
    <message>
        <source>Download Glimmerquiz Game</source>
        <extracomment>Item of the main window&apos;s File menu that opens the download page of another of the maker&apos;s games in the web browser; Glimmerquiz is that game&apos;s name and stays as is.</extracomment>
        <translation>تنزيل لعبة Glimmerquiz</translation>
    </message>
</context>
<context>
    <name>numora::MultiplicationForm</name>
    <message>
        <source>KORVELLAN : Multiplication Game</source>
        <extracomment>Title of the multiplication window when no game runs, in a 300 px window&apos;s title bar. KORVELLAN is the maker&apos;s name and stays as is.</extracomment>
        <translation>‏KORVELLAN: لعبة الضرب</translation>
    </message>
    <message>
        <source>Addition and Subtraction game</source>
        <extracomment>Item of the multiplication window&apos;s File menu that goes back to the main window&apos;s missing-numbers game, whose sums the player completes.</extracomment>
        <translation>لعبة الجمع والطرح</translation>
    </message>
</context>
<context>
    <name>numora::TopicForm</name>
    <message>
        <source>KORVELLAN : Select your topic</source>
        <extracomment>Title of the topic selector, a 345 px window whose buttons choose a game. KORVELLAN is the maker&apos;s name and stays as is.</extracomment>
        <translation>‏KORVELLAN: اختر موضوعك</translation>
    </message>
</context>
</TS>
