<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BankBuilder</name>
    <message>
        <source>cannot be written: %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <source>cannot be built: %1</source>
        <translation>无法生成：%1</translation>
    </message>
    <message>
        <source>cannot create the folder</source>
        <translation>无法创建该文件夹</translation>
    </message>
</context>
<context>
    <name>BankCheck</name>
    <message>
        <source>%1: %2 does not survive scrambling and the code page 936 round trip</source>
        <translation>%1：%2 经加扰和代码页 936（GBK）往返转换后无法保持原样</translation>
    </message>
    <message>
        <source>question tid %1</source>
        <translation>题目 tid %1</translation>
    </message>
    <message>
        <source>%1: the tid is used by more than one question</source>
        <translation>%1：这个 tid 被不止一道题目使用</translation>
    </message>
    <message>
        <source>%1: key &quot;%2&quot; is not &quot;A&quot;, &quot;B&quot; or &quot;C&quot;</source>
        <translation>%1：答案“%2”不是“A”“B”或“C”</translation>
    </message>
    <message>
        <source>%1: key &quot;C&quot; but the question has no choice C</source>
        <translation>%1：答案为“C”，但题目没有选项 C</translation>
    </message>
    <message>
        <source>%1: knowledge code &quot;%2&quot; has no row in tzhishidian</source>
        <translation>%1：知识点代码“%2”在 tzhishidian 表中没有对应的行</translation>
    </message>
    <message>
        <source>%1: sign picture &quot;%2&quot; is not in biaozhi</source>
        <translation>%1：标志图片“%2”不在 biaozhi 表中</translation>
    </message>
    <message>
        <source>choose: %1 distinct questions (tid); a paper needs %2</source>
        <translation>choose：只有 %1 道不同的题目（按 tid 计），一套试卷需要 %2 道</translation>
    </message>
    <message>
        <source>knowledge point %1</source>
        <translation>知识点 %1</translation>
    </message>
    <message>
        <source>sign picture &quot;%1&quot;</source>
        <translation>标志图片“%1”</translation>
    </message>
</context>
<context>
    <name>BankFolder</name>
    <message>
        <source>The question bank file %1 is missing.</source>
        <translation>缺少题库文件 %1。</translation>
    </message>
    <message>
        <source>The workgroup file %1 of the question bank is missing.</source>
        <translation>缺少题库的工作组文件 %1。</translation>
    </message>
    <message>
        <source>The program reads its bank from the folder %1 beside itself. &quot;make build&quot; builds the sample bank there; or copy both files of a bank, drvq.mdb and Morvel.mdw, into that folder.</source>
        <translation>程序从自身旁边的文件夹 %1 读取题库。运行“make build”会在那里生成示例题库；也可以把题库的两个文件 drvq.mdb 和 Morvel.mdw 一起复制到这个文件夹。</translation>
    </message>
    <message>
        <source>Your own bank in %1 needs both files, drvq.mdb and Morvel.mdw (&quot;drvq-bank build SOURCES %1&quot; writes them). Remove the folder %1 to use the sample bank that comes with the program again.</source>
        <translation>放在 %1 中的自备题库需要 drvq.mdb 和 Morvel.mdw 两个文件（“drvq-bank build 源文件夹 %1”会生成这两个文件）。删除文件夹 %1，即可重新使用程序自带的示例题库。</translation>
    </message>
    <message>
        <source>The program comes with a sample bank in %1: reinstall the package to put it back. A bank of your own goes in %2, both files drvq.mdb and Morvel.mdw (&quot;drvq-bank build SOURCES %2&quot; writes them).</source>
        <translation>程序自带的示例题库位于 %1，重新安装软件包即可恢复。也可以使用自己的题库：把 drvq.mdb 和 Morvel.mdw 两个文件放进 %2（“drvq-bank build 源文件夹 %2”会生成这两个文件）。</translation>
    </message>
    <message>
        <source>The question bank in %1 cannot be read. Copy both files of the bank, drvq.mdb and Morvel.mdw, into that folder again (&quot;make build&quot; builds the sample bank there).</source>
        <translation>无法读取 %1 中的题库。请把题库的两个文件 drvq.mdb 和 Morvel.mdw 重新复制到这个文件夹（运行“make build”会在那里生成示例题库）。</translation>
    </message>
    <message>
        <source>Your own question bank in %1 cannot be read. Copy both files of your bank, drvq.mdb and Morvel.mdw, into that folder again, or remove the folder %1 to go back to the sample bank that comes with the program.</source>
        <translation>无法读取 %1 中的自备题库。请把自备题库的两个文件 drvq.mdb 和 Morvel.mdw 重新复制到这个文件夹；或者删除文件夹 %1，改回使用程序自带的示例题库。</translation>
    </message>
    <message>
        <source>The sample question bank in %1 cannot be read. Reinstall the package to put both of its files, drvq.mdb and Morvel.mdw, in place again.</source>
        <translation>无法读取 %1 中的示例题库。请重新安装软件包，把它的两个文件 drvq.mdb 和 Morvel.mdw 重新放回原处。</translation>
    </message>
</context>
<context>
    <name>BankSchema</name>
    <message>
        <source>Bank file %1 has no table &apos;%2&apos;</source>
        <translation>题库文件 %1 中没有表 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Bank file %1: table &apos;%2&apos; has no column &apos;%3&apos;</source>
        <translation>题库文件 %1：表 &apos;%2&apos; 中没有列 &apos;%3&apos;</translation>
    </message>
</context>
<context>
    <name>BankSource</name>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>%1 has %2 characters; the column holds %3</source>
        <translation>%1 有 %2 个字符，而该列最多容纳 %3 个</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a whole number</source>
        <translation>%1“%2”不是整数</translation>
    </message>
    <message>
        <source>unknown field &quot;%1&quot;</source>
        <translation>未知字段“%1”</translation>
    </message>
    <message>
        <source>%1: the character &quot;%2&quot; (U+%3) cannot be stored in a scrambled text; use characters of GB2312</source>
        <translation>%1：字符“%2”（U+%3）无法存入加扰文本，请使用 GB2312 中的字符</translation>
    </message>
    <message>
        <source>%1 cannot be stored as a scrambled text</source>
        <translation>%1 无法存为加扰文本</translation>
    </message>
    <message>
        <source>cannot be written: %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <source>ZHISHIDIAN holds more than %1 characters</source>
        <translation>ZHISHIDIAN 超过 %1 个字符</translation>
    </message>
    <message>
        <source>tid %1 is already used by the question at line %2</source>
        <translation>tid %1 已被第 %2 行的题目使用</translation>
    </message>
    <message>
        <source>recno is missing</source>
        <translation>缺少 recno</translation>
    </message>
    <message>
        <source>recno %1 is already used at line %2</source>
        <translation>recno %1 已在第 %2 行使用</translation>
    </message>
    <message>
        <source>filename is missing</source>
        <translation>缺少 filename</translation>
    </message>
    <message>
        <source>files (the picture&apos;s path) is missing</source>
        <translation>缺少 files（图片的路径）</translation>
    </message>
    <message>
        <source>filename %1 is already used at line %2</source>
        <translation>filename %1 已在第 %2 行使用</translation>
    </message>
    <message>
        <source>cannot create the folder</source>
        <translation>无法创建该文件夹</translation>
    </message>
    <message>
        <source>no such folder; give the folder that holds choose.txt, tzhishidian.txt and biaozhi.txt</source>
        <translation>文件夹不存在；请指定存放 choose.txt、tzhishidian.txt 和 biaozhi.txt 的文件夹</translation>
    </message>
    <message>
        <source>not found in the folder %1</source>
        <translation>在文件夹 %1 中找不到这个文件</translation>
    </message>
    <message>
        <source>picture file &quot;%1&quot; not found; looked in %2 (--pictures DIR adds a folder to look in)</source>
        <translation>找不到图片文件“%1”；已查找：%2（用 --pictures 文件夹 可以再指定一个查找图片的文件夹）</translation>
    </message>
</context>
<context>
    <name>DrawExamPaper</name>
    <message>
        <source>The question bank in %3 holds only %1 different questions, too few for a paper of %2. Use a bank with at least %2 questions.</source>
        <translation>%3 中的题库只有 %1 道不同的题，不够抽出一份 %2 道题的试卷。请换用至少有 %2 道题的题库。</translation>
    </message>
</context>
<context>
    <name>DrvqBank</name>
    <message>
        <source>usage: drvq-bank build SRC DAT [--pictures DIR]... [--force]
                               write DAT/drvq.mdb and DAT/Morvel.mdw from SRC; a bank the
                               trainer cannot use is refused unless --force is given
       drvq-bank check DAT     list every problem of the bank in DAT
       drvq-bank dump DAT OUT  write the bank in DAT back as sources into OUT
       drvq-bank --help | --version
</source>
        <translation>用法：drvq-bank build SRC DAT [--pictures DIR]... [--force]
                               由 SRC 生成 DAT/drvq.mdb 和 DAT/Morvel.mdw；模拟考试程序
                               无法使用的题库不予写出，除非给出 --force
      drvq-bank check DAT      列出 DAT 中题库的所有问题
      drvq-bank dump DAT OUT   把 DAT 中的题库导出为源文件，写入 OUT
      drvq-bank --help | --version
</translation>
    </message>
    <message>
        <source>drvq-bank: warning: %1</source>
        <translation>drvq-bank：警告：%1</translation>
    </message>
    <message>
        <source>drvq-bank: error: %1</source>
        <translation>drvq-bank：错误：%1</translation>
    </message>
    <message>
        <source>drvq-bank: the trainer cannot use this bank; nothing was written to %1 (--force writes it anyway)</source>
        <translation>drvq-bank：模拟考试程序无法使用这个题库，没有向 %1 写入任何内容（加 --force 可强制写入）</translation>
    </message>
    <message>
        <source>drvq-bank: %1 questions, %2 knowledge points, %3 sign pictures written to %4</source>
        <translation>drvq-bank：已将 %1 道题目、%2 个知识点、%3 张标志图片写入 %4</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>错误：%1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>%1 questions, %2 knowledge points, %3 sign pictures</source>
        <translation>%1 道题目，%2 个知识点，%3 张标志图片</translation>
    </message>
    <message>
        <source>the trainer cannot use this bank</source>
        <translation>模拟考试程序无法使用这个题库</translation>
    </message>
    <message>
        <source>%1: %2; 1 problem</source>
        <translation>%1：%2；共 1 个问题</translation>
    </message>
    <message>
        <source>%1: %2; %3 problems</source>
        <translation>%1：%2；共 %3 个问题</translation>
    </message>
    <message>
        <source>error: %1 is a source folder (choose.txt, tzhishidian.txt, biaozhi.txt), not a bank; &quot;drvq-bank build %1 DAT&quot; makes a bank of it in DAT</source>
        <translation>错误：%1 是题库源文件夹（choose.txt、tzhishidian.txt、biaozhi.txt），不是题库；“drvq-bank build %1 题库文件夹”会用它在题库文件夹中生成题库</translation>
    </message>
    <message>
        <source>drvq-bank: unknown command &quot;%1&quot;</source>
        <translation>drvq-bank：未知命令“%1”</translation>
    </message>
</context>
<context>
    <name>DrvqSigns</name>
    <message>
        <source>Paints every road-sign picture of the question bank as &lt;id&gt;.jpg into OUTDIR.</source>
        <translation>把题库中的每张道路标志图片绘制为 &lt;id&gt;.jpg，写入 OUTDIR。</translation>
    </message>
    <message>
        <source>Fail unless the signs painted are exactly the filenames listed in FILE (biaozhi.txt).</source>
        <translation>除非绘制的标志恰好就是 FILE（biaozhi.txt）中列出的文件名，否则报错。</translation>
    </message>
    <message>
        <source>List the signs: id, size, name.</source>
        <translation>列出所有标志：编号、尺寸、名称。</translation>
    </message>
    <message>
        <source>Folder for the JPEG files; created if missing.</source>
        <translation>存放 JPEG 文件的文件夹；不存在时自动创建。</translation>
    </message>
    <message>
        <source>usage: drvq-signs [--check FILE] [--list] OUTDIR</source>
        <translation>用法：drvq-signs [--check FILE] [--list] OUTDIR</translation>
    </message>
</context>
<context>
    <name>ExceptionReporter</name>
    <message>
        <source>Driver law mock exam - error</source>
        <translation>机动车驾驶员法培考试 - 错误</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>发生了未知错误。</translation>
    </message>
</context>
<context>
    <name>Jet4Writer</name>
    <message>
        <source>jet4: a long value of %1 bytes exceeds the 16 MB a pointer can state</source>
        <translation>jet4：%1 字节的长值超过了指针所能表示的 16 MB</translation>
    </message>
    <message>
        <source>jet4: table %1, row %2, column %3: %4</source>
        <translation>jet4：表 %1，第 %2 行，列 %3：%4</translation>
    </message>
    <message>
        <source>a Text column takes a string</source>
        <translation>Text 列只接受字符串</translation>
    </message>
    <message>
        <source>%1 characters, the column holds %2</source>
        <translation>%1 个字符，而该列最多容纳 %2 个</translation>
    </message>
    <message>
        <source>a Binary column takes bytes</source>
        <translation>Binary 列只接受字节数据</translation>
    </message>
    <message>
        <source>%1 bytes, the column holds %2</source>
        <translation>%1 字节，而该列最多容纳 %2 字节</translation>
    </message>
    <message>
        <source>a Memo column takes a string</source>
        <translation>Memo 列只接受字符串</translation>
    </message>
    <message>
        <source>an OLE Object column takes bytes</source>
        <translation>OLE Object 列只接受字节数据</translation>
    </message>
    <message>
        <source>not a variable-length column</source>
        <translation>不是变长列</translation>
    </message>
    <message>
        <source>jet4: table %1, row %2: %3 values for %4 columns</source>
        <translation>jet4：表 %1，第 %2 行：%4 个列却给出了 %3 个值</translation>
    </message>
    <message>
        <source>a Boolean column takes true or false</source>
        <translation>Boolean 列只接受 true 或 false</translation>
    </message>
    <message>
        <source>a Double or DateTime column takes a double</source>
        <translation>Double 或 DateTime 列只接受 double 值</translation>
    </message>
    <message>
        <source>an integer column takes an int32</source>
        <translation>整数列只接受 int32 值</translation>
    </message>
    <message>
        <source>%1 does not fit a Byte</source>
        <translation>%1 超出了 Byte 的范围</translation>
    </message>
    <message>
        <source>%1 does not fit an Integer</source>
        <translation>%1 超出了 Integer 的范围</translation>
    </message>
    <message>
        <source>the row outgrows a page</source>
        <translation>该行超出了一页的容量</translation>
    </message>
    <message>
        <source>jet4: table %1, row %2: %3 bytes do not fit a page</source>
        <translation>jet4：表 %1，第 %2 行：%3 字节放不进一页</translation>
    </message>
    <message>
        <source>jet4: a row of %1 bytes does not fit a page (at most %2)</source>
        <translation>jet4：%1 字节的行放不进一页（最多 %2 字节）</translation>
    </message>
    <message>
        <source>jet4: page %1 lies beyond what a usage map can list</source>
        <translation>jet4：第 %1 页超出了页使用图所能记录的范围</translation>
    </message>
</context>
<context>
    <name>JetDatabase</name>
    <message>
        <source>a Jet 3 (Access 97) database</source>
        <translation>Jet 3（Access 97）数据库</translation>
    </message>
    <message>
        <source>a Jet 4 (Access 2000-2003) database</source>
        <translation>Jet 4（Access 2000-2003）数据库</translation>
    </message>
    <message>
        <source>an ACE (Access 2007 or later) database</source>
        <translation>ACE（Access 2007 或更高版本）数据库</translation>
    </message>
    <message>
        <source>a database of unknown version</source>
        <translation>版本未知的数据库</translation>
    </message>
    <message>
        <source>The connection string names no provider; the bank needs %1</source>
        <translation>连接字符串没有指定提供程序；题库需要 %1</translation>
    </message>
    <message>
        <source>Provider &apos;%1&apos; is not supported; the bank needs %2</source>
        <translation>不支持提供程序 &apos;%1&apos;；题库需要 %2</translation>
    </message>
    <message>
        <source>The connection string names no %1</source>
        <translation>连接字符串没有指定%1</translation>
    </message>
    <message>
        <source>%1 not found: %2</source>
        <translation>找不到%1：%2</translation>
    </message>
    <message>
        <source>%1 %2 is not a file</source>
        <translation>%1 %2 不是文件</translation>
    </message>
    <message>
        <source>Cannot read %1 %2: %3</source>
        <translation>无法读取%1 %2：%3</translation>
    </message>
    <message>
        <source>%1: the catalog has no column %2</source>
        <translation>%1：系统目录中没有列 %2</translation>
    </message>
    <message>
        <source>Bank file %1</source>
        <translation>题库文件 %1</translation>
    </message>
    <message>
        <source>Workgroup file %1</source>
        <translation>工作组文件 %1</translation>
    </message>
    <message>
        <source>%1 is %2, not a Jet 3 or Jet 4 workgroup file</source>
        <translation>%1 是 %2，不是 Jet 3 或 Jet 4 工作组文件</translation>
    </message>
    <message>
        <source>%1 has no table %2, so it cannot hold the account &apos;%3&apos;</source>
        <translation>%1 中没有表 %2，因此不可能含有账户 &apos;%3&apos;</translation>
    </message>
    <message>
        <source>%1: table %2 lacks the column %3, so it cannot hold the account &apos;%4&apos;</source>
        <translation>%1：表 %2 缺少列 %3，因此不可能含有账户 &apos;%4&apos;</translation>
    </message>
    <message>
        <source>%1 holds no user account &apos;%2&apos;</source>
        <translation>%1 中没有用户账户 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Bank file</source>
        <translation>题库文件</translation>
    </message>
    <message>
        <source>Workgroup file</source>
        <translation>工作组文件</translation>
    </message>
    <message>
        <source>%1 is %2; the bank must be a Jet 4 (Access 2000-2003) database</source>
        <translation>%1 是 %2；题库必须是 Jet 4（Access 2000-2003）数据库</translation>
    </message>
    <message>
        <source>%1 is a workgroup file (&quot;Jet System DB&quot;); the bank must be a &quot;Standard Jet DB&quot; database</source>
        <translation>%1 是工作组文件（“Jet System DB”）；题库必须是“Standard Jet DB”数据库</translation>
    </message>
    <message>
        <source>%1: the database password is wrong</source>
        <translation>%1：数据库密码不正确</translation>
    </message>
    <message>
        <source>Table &apos;%1&apos; not found in %2</source>
        <translation>在 %2 中找不到表 &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>JetHeader</name>
    <message>
        <source>%1: not a Jet database (only %2 bytes)</source>
        <translation>%1：不是 Jet 数据库（只有 %2 字节）</translation>
    </message>
    <message>
        <source>%1: not a Jet database (no &quot;Standard Jet DB&quot; or &quot;Jet System DB&quot; definition page)</source>
        <translation>%1：不是 Jet 数据库（没有“Standard Jet DB”或“Jet System DB”定义页）</translation>
    </message>
    <message>
        <source>%1: not a Jet database (&quot;Standard ACE DB&quot; with engine version %2)</source>
        <translation>%1：不是 Jet 数据库（“Standard ACE DB”，引擎版本 %2）</translation>
    </message>
    <message>
        <source>%1: not a Jet database (&quot;Jet System DB&quot; with engine version %2)</source>
        <translation>%1：不是 Jet 数据库（“Jet System DB”，引擎版本 %2）</translation>
    </message>
    <message>
        <source>%1: not a Jet database (definition page cut short at %2 of %3 bytes)</source>
        <translation>%1：不是 Jet 数据库（定义页不完整，%3 字节中只有 %2 字节）</translation>
    </message>
    <message>
        <source>definition page of %1 bytes, %2 needed</source>
        <translation>定义页只有 %1 字节，需要 %2 字节</translation>
    </message>
    <message>
        <source>database password of %1 characters, at most %2 allowed</source>
        <translation>数据库密码有 %1 个字符，最多只允许 %2 个</translation>
    </message>
</context>
<context>
    <name>JpegDecoder</name>
    <message>
        <source>%1: the picture is empty, not a JPEG image</source>
        <translation>%1：图片为空，不是 JPEG 图像</translation>
    </message>
    <message>
        <source>%1: picture of %2 x %3 pixels is too large</source>
        <translation>%1：图片为 %2 × %3 像素，太大</translation>
    </message>
    <message>
        <source>%1: not a readable JPEG image (%2)</source>
        <translation>%1：不是可读取的 JPEG 图像（%2）</translation>
    </message>
</context>
<context>
    <name>JpegEncoder</name>
    <message>
        <source>JPEG encoding: the picture is empty</source>
        <translation>JPEG 编码：图片为空</translation>
    </message>
    <message>
        <source>JPEG encoding of a %1×%2 picture failed: %3</source>
        <translation>%1×%2 图片的 JPEG 编码失败：%3</translation>
    </message>
</context>
<context>
    <name>MdbImage</name>
    <message>
        <source>%1: not a Jet database (the file is empty)</source>
        <translation>%1：不是 Jet 数据库（文件为空）</translation>
    </message>
    <message>
        <source>%1: libmdb cannot open the file as a Jet database</source>
        <translation>%1：libmdb 无法把该文件作为 Jet 数据库打开</translation>
    </message>
    <message>
        <source>%1: not a Jet 3 or Jet 4 database</source>
        <translation>%1：不是 Jet 3 或 Jet 4 数据库</translation>
    </message>
</context>
<context>
    <name>PictureTempFile</name>
    <message>
        <source>Cannot create the temporary picture file %1: %2</source>
        <translation>无法创建临时图片文件 %1：%2</translation>
    </message>
    <message>
        <source>Cannot empty the temporary picture file %1: %2</source>
        <translation>无法清空临时图片文件 %1：%2</translation>
    </message>
    <message>
        <source>Cannot write the temporary picture file %1: %2</source>
        <translation>无法写入临时图片文件 %1：%2</translation>
    </message>
    <message>
        <source>Cannot read the temporary picture file %1: %2</source>
        <translation>无法读取临时图片文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>text after the closing quote</source>
        <translation>右引号之后还有文字</translation>
    </message>
    <message>
        <source>\x needs two hexadecimal digits</source>
        <translation>\x 后面需要两位十六进制数字</translation>
    </message>
    <message>
        <source>unknown escape \%1</source>
        <translation>未知的转义序列 \%1</translation>
    </message>
    <message>
        <source>quoted value has no closing quote</source>
        <translation>带引号的值缺少右引号</translation>
    </message>
    <message>
        <source>continuation line outside a record</source>
        <translation>续行不在任何记录之内</translation>
    </message>
    <message>
        <source>a quoted value cannot go on over lines</source>
        <translation>带引号的值不能跨行续写</translation>
    </message>
    <message>
        <source>expected &quot;field: value&quot;</source>
        <translation>应为“字段: 值”格式</translation>
    </message>
    <message>
        <source>field name &quot;%1&quot; holds a blank</source>
        <translation>字段名“%1”中含有空格</translation>
    </message>
    <message>
        <source>field &quot;%1&quot; given twice in one record</source>
        <translation>字段“%1”在同一条记录中出现了两次</translation>
    </message>
</context>
<context>
    <name>ResultSet</name>
    <message>
        <source>%1 is out of the integer range</source>
        <translation>%1 超出了整数范围</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer</source>
        <translation>&apos;%1&apos; 不是有效的整数</translation>
    </message>
    <message>
        <source>Binary data is not an integer</source>
        <translation>二进制数据不是整数</translation>
    </message>
</context>
<context>
    <name>SignCatalog</name>
    <message>
        <source>no sign is painted for %1</source>
        <translation>没有为 %1 绘制标志</translation>
    </message>
    <message>
        <source>sign %1 (%2) is painted but not listed</source>
        <translation>标志 %1（%2）已绘制，但未在列表中</translation>
    </message>
    <message>
        <source>sign %1: cannot allocate a %2×%3 picture</source>
        <translation>标志 %1：无法分配 %2×%3 的图片</translation>
    </message>
    <message>
        <source>sign %1 (%2): %3</source>
        <translation>标志 %1（%2）：%3</translation>
    </message>
</context>
<context>
    <name>SignDisplay</name>
    <message>
        <source>Sign picture &quot;%1&quot;</source>
        <translation>标志图片“%1”</translation>
    </message>
</context>
<context>
    <name>SignIndexFile</name>
    <message>
        <source>%1: cannot read: %2</source>
        <translation>%1：无法读取：%2</translation>
    </message>
    <message>
        <source>%1: not UTF-8 text</source>
        <translation>%1：不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>%1:%2: the record has no filename</source>
        <translation>%1:%2：该记录没有 filename</translation>
    </message>
    <message>
        <source>%1:%2: the record&apos;s filename is empty</source>
        <translation>%1:%2：该记录的 filename 为空</translation>
    </message>
    <message>
        <source>%1:%2: filename %3 is also given by the record at line %4</source>
        <translation>%1:%2：filename %3 也出现在第 %4 行的记录中</translation>
    </message>
    <message>
        <source>%1:%2: continuation line outside a record</source>
        <translation>%1:%2：续行不在任何记录之内</translation>
    </message>
    <message>
        <source>%1:%2: expected &quot;field: value&quot;</source>
        <translation>%1:%2：应为“字段: 值”格式</translation>
    </message>
    <message>
        <source>%1:%2: field %3 appears twice in the record</source>
        <translation>%1:%2：字段 %3 在该记录中出现了两次</translation>
    </message>
    <message>
        <source>%1:%2: malformed quoted value</source>
        <translation>%1:%2：带引号的值格式错误</translation>
    </message>
</context>
<context>
    <name>SignPainter</name>
    <message>
        <source>the font &quot;%1&quot; is not installed (package fonts-arphic-uming)</source>
        <translation>没有安装字体“%1”（软件包 fonts-arphic-uming）</translation>
    </message>
</context>
<context>
    <name>SignWriter</name>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1：无法创建该文件夹</translation>
    </message>
    <message>
        <source>%1: cannot write: %2</source>
        <translation>%1：无法写入：%2</translation>
    </message>
</context>
<context>
    <name>SqlCondition</name>
    <message>
        <source>parentheses nested deeper than %1</source>
        <translation>括号嵌套超过 %1 层</translation>
    </message>
    <message>
        <source>expected &apos;)&apos; but found %1</source>
        <translation>应为 &apos;)&apos;，却遇到 %1</translation>
    </message>
    <message>
        <source>expected a column name but found %1</source>
        <translation>应为列名，却遇到 %1</translation>
    </message>
    <message>
        <source>expected a comparison (=, &lt;&gt;, &lt;, &gt;, &lt;=, &gt;=) but found %1</source>
        <translation>应为比较运算符（=、&lt;&gt;、&lt;、&gt;、&lt;=、&gt;=），却遇到 %1</translation>
    </message>
    <message>
        <source>expected a quoted text or a number but found %1</source>
        <translation>应为带引号的文本或数字，却遇到 %1</translation>
    </message>
    <message>
        <source>number %1 out of range</source>
        <translation>数字 %1 超出范围</translation>
    </message>
    <message>
        <source>%1 not understood: %2 at character %3 in &quot;%4&quot;</source>
        <translation>无法理解%1：在“%4”的第 %3 个字符处%2</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选条件</translation>
    </message>
    <message>
        <source>Filter not understood: unexpected %1 at character %2 in &quot;%3&quot;</source>
        <translation>无法理解筛选条件：在“%3”的第 %2 个字符处出现了意外的 %1</translation>
    </message>
    <message>
        <source>Column &apos;%1&apos; not found in %2</source>
        <translation>在 %2 中找不到列 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Column &apos;%1&apos; is not bound</source>
        <translation>列 &apos;%1&apos; 尚未绑定</translation>
    </message>
    <message>
        <source>Data type mismatch: column &apos;%1&apos; compared with %2</source>
        <translation>数据类型不匹配：列 &apos;%1&apos; 与 %2 比较</translation>
    </message>
</context>
<context>
    <name>SqlStatement</name>
    <message>
        <source>SQL statement</source>
        <translation>SQL 语句</translation>
    </message>
    <message>
        <source>expected %1 but found %2</source>
        <translation>应为%1，却遇到 %2</translation>
    </message>
    <message>
        <source>%1 not understood: %2 at character %3 in &quot;%4&quot;</source>
        <translation>无法理解%1：在“%4”的第 %3 个字符处%2</translation>
    </message>
    <message>
        <source>a column name or *</source>
        <translation>列名或 *</translation>
    </message>
    <message>
        <source>a table name</source>
        <translation>表名</translation>
    </message>
    <message>
        <source>a column name</source>
        <translation>列名</translation>
    </message>
    <message>
        <source>unexpected %1</source>
        <translation>出现了意外的 %1</translation>
    </message>
    <message>
        <source>table &apos;%1&apos;</source>
        <translation>表 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Column &apos;%1&apos; not found in %2 (statement &quot;%3&quot;)</source>
        <translation>在 %2 中找不到列 &apos;%1&apos;（语句“%3”）</translation>
    </message>
</context>
<context>
    <name>SqlTokenizer</name>
    <message>
        <source>%1 not understood: %2 at character %3 in &quot;%4&quot;</source>
        <translation>无法理解%1：在“%4”的第 %3 个字符处%2</translation>
    </message>
    <message>
        <source>the end of the text</source>
        <translation>文本结尾</translation>
    </message>
    <message>
        <source>text opened with &apos; is never closed</source>
        <translation>以 &apos; 开始的文本没有结束</translation>
    </message>
    <message>
        <source>name opened with [ is never closed</source>
        <translation>以 [ 开始的名称没有结束</translation>
    </message>
    <message>
        <source>number runs into a name</source>
        <translation>数字后面紧接着名称</translation>
    </message>
    <message>
        <source>unexpected character &apos;%1&apos;</source>
        <translation>出现了意外的字符 &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>TADOQuery</name>
    <message>
        <source>%1: no connection</source>
        <translation>%1：没有连接</translation>
    </message>
    <message>
        <source>%1: no SQL statement</source>
        <translation>%1：没有 SQL 语句</translation>
    </message>
</context>
<context>
    <name>TADOTable</name>
    <message>
        <source>%1: Bank file %2: table &apos;%3&apos; has no column %4</source>
        <translation>%1：题库文件 %2：表 &apos;%3&apos; 中没有列 %4</translation>
    </message>
</context>
<context>
    <name>TDataSet</name>
    <message>
        <source>%1: cannot count the records of a closed dataset</source>
        <translation>%1：数据集已关闭，无法统计记录数</translation>
    </message>
    <message>
        <source>%1: cannot move in a closed dataset</source>
        <translation>%1：数据集已关闭，无法移动记录位置</translation>
    </message>
    <message>
        <source>%1: cannot read a field of a closed dataset</source>
        <translation>%1：数据集已关闭，无法读取字段</translation>
    </message>
    <message>
        <source>%1: field &apos;%2&apos; not found</source>
        <translation>%1：找不到字段 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>%1: no field number %2</source>
        <translation>%1：没有编号为 %2 的字段</translation>
    </message>
</context>
<context>
    <name>TDm</name>
    <message>
        <source>No data module to run &quot;%1&quot;</source>
        <translation>没有数据模块可以执行“%1”</translation>
    </message>
</context>
<context>
    <name>TField</name>
    <message>
        <source>The field belongs to no dataset</source>
        <translation>该字段不属于任何数据集</translation>
    </message>
    <message>
        <source>Cannot write %1 bytes of a field: %2</source>
        <translation>无法写入字段的 %1 字节：%2</translation>
    </message>
</context>
<context>
    <name>TableReader</name>
    <message>
        <source>%1 is damaged: table &apos;%2&apos;, definition page %3: %4</source>
        <translation>%1 已损坏：表 &apos;%2&apos;，定义页 %3：%4</translation>
    </message>
    <message>
        <source>the table definition cannot be read</source>
        <translation>无法读取表定义</translation>
    </message>
    <message>
        <source>the page usage map is missing</source>
        <translation>缺少页使用图</translation>
    </message>
    <message>
        <source>the column definitions cannot be read</source>
        <translation>无法读取列定义</translation>
    </message>
    <message>
        <source>the page lies beyond the end of the file</source>
        <translation>该页超出了文件末尾</translation>
    </message>
    <message>
        <source>the page is no table definition (type %1)</source>
        <translation>该页不是表定义页（类型 %1）</translation>
    </message>
    <message>
        <source>the page is cut short</source>
        <translation>该页不完整</translation>
    </message>
    <message>
        <source>%1 columns, more than a table can hold</source>
        <translation>%1 个列，超过了一个表所能容纳的数量</translation>
    </message>
    <message>
        <source>%1 indexes, more than a table can hold</source>
        <translation>%1 个索引，超过了一个表所能容纳的数量</translation>
    </message>
    <message>
        <source>%1: table &apos;%2&apos; has no column %3</source>
        <translation>%1：表 &apos;%2&apos; 中没有编号为 %3 的列</translation>
    </message>
    <message>
        <source>the page usage map names page %1, beyond the end of the file (%2 pages)</source>
        <translation>页使用图指向第 %1 页，超出了文件末尾（共 %2 页）</translation>
    </message>
    <message>
        <source>the page usage map is empty</source>
        <translation>页使用图为空</translation>
    </message>
    <message>
        <source>the page usage map is cut short (%1 bytes)</source>
        <translation>页使用图不完整（%1 字节）</translation>
    </message>
    <message>
        <source>the page usage map points to page %1, which is no usage map page</source>
        <translation>页使用图指向第 %1 页，但该页不是页使用图页</translation>
    </message>
    <message>
        <source>the page usage map is of unknown type %1</source>
        <translation>页使用图的类型 %1 未知</translation>
    </message>
    <message>
        <source>page %1 is cut short at the end of the file</source>
        <translation>第 %1 页在文件末尾处不完整</translation>
    </message>
    <message>
        <source>page %1 is a data page of the table defined on page %2</source>
        <translation>第 %1 页是定义在第 %2 页的表的数据页</translation>
    </message>
    <message>
        <source>page %1 is no data page (page type 0x%2)</source>
        <translation>第 %1 页不是数据页（页类型 0x%2）</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>另有 %1 页</translation>
    </message>
    <message>
        <source>%1 is damaged: table &apos;%2&apos;: its usage map names 1 page that is no data page of the table: %3</source>
        <translation>%1 已损坏：表 &apos;%2&apos;：其页使用图列出的 1 页不是该表的数据页：%3</translation>
    </message>
    <message>
        <source>%1 is damaged: table &apos;%2&apos;: its usage map names %3 pages that are no data pages of the table: %4</source>
        <translation>%1 已损坏：表 &apos;%2&apos;：其页使用图列出的 %3 页不是该表的数据页：%4</translation>
    </message>
    <message>
        <source>the page cannot be read</source>
        <translation>无法读取该页</translation>
    </message>
    <message>
        <source>%1 rows cannot fit the page</source>
        <translation>该页容纳不下 %1 行</translation>
    </message>
    <message>
        <source>the row has no valid extent (bytes %1 to %2)</source>
        <translation>该行的范围无效（第 %1 至 %2 字节）</translation>
    </message>
    <message>
        <source>the row cannot be split into its fields</source>
        <translation>无法把该行拆分为各个字段</translation>
    </message>
    <message>
        <source>the field lies outside its page</source>
        <translation>该字段超出了所在页的范围</translation>
    </message>
    <message>
        <source>%1 bytes where the type needs %2</source>
        <translation>只有 %1 字节，而该类型需要 %2 字节</translation>
    </message>
    <message>
        <source>long value on page %1 beyond the end of the file</source>
        <translation>长值所在的第 %1 页超出了文件末尾</translation>
    </message>
    <message>
        <source>long value on page %1, which is no data page</source>
        <translation>长值位于第 %1 页，但该页不是数据页</translation>
    </message>
    <message>
        <source>long value row %1 missing on page %2</source>
        <translation>第 %2 页上缺少长值行 %1</translation>
    </message>
    <message>
        <source>long value row %1 on page %2 has no valid extent</source>
        <translation>第 %2 页上的长值行 %1 范围无效</translation>
    </message>
    <message>
        <source>long value pointer of %1 bytes</source>
        <translation>长值指针为 %1 字节</translation>
    </message>
    <message>
        <source>inline long value of %1 bytes in a field of %2</source>
        <translation>%2 字节的字段中有 %1 字节的内联长值</translation>
    </message>
    <message>
        <source>long value of %1 bytes in a row of %2</source>
        <translation>%2 字节的行中有 %1 字节的长值</translation>
    </message>
    <message>
        <source>long value ends after %1 of %2 bytes</source>
        <translation>长值在 %2 字节中的第 %1 字节后就结束了</translation>
    </message>
    <message>
        <source>long value chain loops back to page %1 row %2</source>
        <translation>长值链循环回到第 %1 页第 %2 行</translation>
    </message>
    <message>
        <source>long value row of %1 bytes</source>
        <translation>长值行为 %1 字节</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>第 %1 页</translation>
    </message>
    <message>
        <source>page %1, row %2</source>
        <translation>第 %1 页第 %2 行</translation>
    </message>
    <message>
        <source>%1 is damaged: table &apos;%2&apos;, %3: %4</source>
        <translation>%1 已损坏：表 &apos;%2&apos;，%3：%4</translation>
    </message>
    <message>
        <source>%1 is damaged: table &apos;%2&apos;, page %3, row %4, column &apos;%5&apos;: %6</source>
        <translation>%1 已损坏：表 &apos;%2&apos;，第 %3 页第 %4 行，列 &apos;%5&apos;：%6</translation>
    </message>
</context>
<context>
    <name>TextScramble</name>
    <message>
        <source>This Qt build has no GBK (code page 936) text converter; the bank&apos;s texts cannot be read or written</source>
        <translation>当前的 Qt 构建没有 GBK（代码页 936）文本转换器，无法读写题库中的文本</translation>
    </message>
</context>
<context>
    <name>practice</name>
    <message>
        <source>(not answered)</source>
        <translation>（未作答）</translation>
    </message>
    <message>
        <source>Your answer was %1; the correct answer was %2.</source>
        <translation>你的答案是 %1，正确答案是 %2。</translation>
    </message>
    <message>
        <source>An exam is being answered. Hand it in before you look at a past paper.</source>
        <translation>正在考试中。请先交卷，再查看以往的试卷。</translation>
    </message>
    <message>
        <source>This paper could not be read from the study record.</source>
        <translation>无法从学习记录中读取这份试卷。</translation>
    </message>
</context>
<context>
    <name>practice::PracticeView</name>
    <message>
        <source>There are no questions to practise here.</source>
        <translation>这里没有可练习的题目。</translation>
    </message>
</context>
<context>
    <name>practice::StatsPage</name>
    <message>
        <source>Nothing on record yet: practise or hand in a mock paper, and the statistics show here.</source>
        <translation>还没有记录：练习或交一份模拟试卷后，这里显示统计。</translation>
    </message>
    <message>
        <source>Weakest first. A click or Enter practises the questions of a chapter or knowledge point; a topic with fewer than %1 answers shows 作答太少.</source>
        <translation>最弱的排在最前。单击或按 Enter 专项练习这一章或这个知识点的题目；作答不到 %1 次的显示“作答太少”。</translation>
    </message>
    <message>
        <source>No paper handed in yet.</source>
        <translation>还没有交过试卷。</translation>
    </message>
    <message numerus="yes">
        <source>%n paper(s) handed in, %1 passed.</source>
        <translation>
            <numerusform>共交过 %n 份试卷，其中 %1 份合格。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 questions in the bank: %2 seen, %3 answered right at least once, %4 in the wrong-question book, %5 mastered.</source>
        <translation>本题库共 %1 道题：做过 %2 道，至少答对过一次 %3 道，错题本中 %4 道，已掌握 %5 道。</translation>
    </message>
    <message>
        <source>The bank holds no questions.</source>
        <translation>题库中没有题目。</translation>
    </message>
    <message numerus="yes">
        <source>After %n more answer(s) the pass chance of the next mock paper shows here (it needs %1 answers in all, over %2 different questions).</source>
        <translation>
            <numerusform>再作答 %n 次后，这里显示下次模拟考试的合格概率（共需 %1 次作答，答过 %2 道不同的题目）。</numerusform>
        </translation>
    </message>
    <message>
        <source>No paper handed in with a pass chance yet: each paper keeps the chance shown as it began, once there is evidence enough for one.</source>
        <translation>还没有带合格概率的试卷：作答足够显示合格概率以后，每份试卷都会保存开考时的合格概率。</translation>
    </message>
    <message numerus="yes">
        <source>Over %n paper(s) with a stored chance, Brier score (lower is better): forecast %1, past pass rate %2.</source>
        <translation>
            <numerusform>%n 份带合格概率的试卷的布里尔分数（越小越准）：合格概率 %1，以往合格率 %2。</numerusform>
        </translation>
    </message>
    <message>
        <source>With fewer than 10 papers this says little yet.</source>
        <translation>试卷还不到 10 份，结论仅供参考。</translation>
    </message>
</context>
<context>
    <name>practice::StudyRecordNotice</name>
    <message>
        <source>Study record</source>
        <translation>学习记录</translation>
    </message>
</context>
<context>
    <name>practice::StudyWindow</name>
    <message>
        <source>Enter or a double click practises the questions of a knowledge point or chapter.</source>
        <translation>按回车键或双击，练习该知识点或该章的题目。</translation>
    </message>
    <message>
        <source>Enter or a double click shows the paper as it was handed in.</source>
        <translation>按回车键或双击，按交卷时的样子查看这份试卷。</translation>
    </message>
    <message>
        <source>Choose a way to practise on the left.</source>
        <translation>请在左边选择一种练习方式。</translation>
    </message>
    <message>
        <source>The bank no longer holds this question as it was.</source>
        <translation>题库中已没有这道题的原样。</translation>
    </message>
    <message>
        <source>Empty the list of mastered questions? Their answers stay on record.</source>
        <translation>清空已掌握的题目吗？答题记录仍会保留。</translation>
    </message>
</context>
<context>
    <name>study::StudyRecord</name>
    <message>
        <source>The study record %1 cannot be kept: its folder cannot be made or written. Exams and practice go on, but nothing is recorded this time.</source>
        <translation>学习记录 %1 无法保存：无法建立或写入它所在的文件夹。考试和练习照常进行，但这次不会记录。</translation>
    </message>
    <message>
        <source>The study record %1 was written by a newer version of the program. It is left as it is, and nothing is recorded this time.</source>
        <translation>学习记录 %1 是由较新版本的程序写入的。它保持原样，这次不会记录。</translation>
    </message>
    <message>
        <source>The study record %1 cannot be written (%2). Exams and practice go on, but nothing is recorded this time.</source>
        <translation>学习记录 %1 无法写入（%2）。考试和练习照常进行，但这次不会记录。</translation>
    </message>
    <message>
        <source>The study record %1 cannot be opened (%2). Exams and practice go on, but nothing is recorded this time.</source>
        <translation>学习记录 %1 无法打开（%2）。考试和练习照常进行，但这次不会记录。</translation>
    </message>
    <message>
        <source>it is not a study record</source>
        <translation>它不是学习记录文件</translation>
    </message>
    <message>
        <source>it cannot be read as a database</source>
        <translation>它无法作为数据库读取</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>它已损坏</translation>
    </message>
    <message>
        <source>it is a database of another program</source>
        <translation>它是其他程序的数据库</translation>
    </message>
    <message>
        <source>The study record %1 cannot be used (%2) and cannot be moved aside. It is left as it is, and nothing is recorded this time.</source>
        <translation>学习记录 %1 无法使用（%2），也无法改名保存。它保持原样，这次不会记录。</translation>
    </message>
    <message>
        <source>The study record %1 could not be used (%2). It was kept as %3, and a new record begins.</source>
        <translation>学习记录 %1 无法使用（%2）。原文件已保存为 %3，新的学习记录从现在开始。</translation>
    </message>
    <message>
        <source>The study record %1 could not be written (%2). What was recorded before is kept; exams and practice go on.</source>
        <translation>学习记录 %1 写入失败（%2）。之前记录的内容仍然保留，考试和练习照常进行。</translation>
    </message>
    <message>
        <source>a practice answer</source>
        <translation>一条练习答题</translation>
    </message>
    <message>
        <source>a handed-in paper</source>
        <translation>一份交卷的试卷</translation>
    </message>
    <message>
        <source>a favourite</source>
        <translation>一道收藏题</translation>
    </message>
</context>
</TS>
