<?xml version="1.0" encoding="UTF-8"?>
<lexicon id="http://www.w3.org/2005/01/pronunciation-lexicon" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" xsi:schemaLocation="http://www.w3.org/2005/01/pronunciation-lexicon http://www.w3.org/TR/2007/CR-pronunciation-lexicon-20071212/pls.xsd" alphabet="x-sampa" xml:lang="ru-RU">
  <!--
01.01.2000
-->
  <lexeme>
    <grapheme>собАка</grapheme>
    <grapheme>собака</grapheme>
    <phoneme>sɐbˈakə</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>ещЁ</grapheme>
    <phoneme>jɪɕːˈɵ</phoneme>
    <comment>ё под ударением</comment>
  </lexeme>
  <lexeme>
    <grapheme>Москва</grapheme>
    <alias>Масква</alias>
    <grammar>noun</grammar>
    <lexname>geo</lexname>
  </lexeme>
  <lexeme>
    <grapheme>AT&amp;T</grapheme>
    <alias>эй ти энд ти</alias>
  </lexeme>
  <lexeme>
    <grapheme>из-зА</grapheme>
    <phoneme>ɪzːˈa</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>  кто-нибудь </grapheme>
    <alias></alias>
  </lexeme>
</lexicon>
