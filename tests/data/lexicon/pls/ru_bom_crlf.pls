<?xml version="1.0" encoding="UTF-8"?>
<lexicon version="1.0" xmlns="http://www.w3.org/2005/01/pronunciation-lexicon" alphabet="ipa" xml:lang="ru-RU">
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
    <phoneme>ɪzˈza</phoneme>
    <phoneme>ɪzːˈa</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>  кто-нибудь </grapheme>
    <alias></alias>
  </lexeme>
</lexicon>
