<?xml version="1.0" encoding="UTF-8"?>
<lexicon id="http://www.w3.org/2005/01/pronunciation-lexicon" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" xsi:schemaLocation="http://www.w3.org/2005/01/pronunciation-lexicon http://www.w3.org/TR/2007/CR-pronunciation-lexicon-20071212/pls.xsd" alphabet="x-sampa" xml:lang="ru-RU">
  <!--
01.01.2000
-->
  <lexeme>
    <grapheme>朱重八</grapheme>
    <phoneme>zhu 1 chong 2 ba 1</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>重瞳</grapheme>
    <phoneme>chong 2 tong 3</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>藏人</grapheme>
    <phoneme>cang 2 ren 2</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>重头</grapheme>
    <phoneme>chong 2 tou 2</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>重复</grapheme>
    <phoneme>chong 2 fu 4</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>朱厚熜</grapheme>
    <phoneme>zhu 1 hou 4 cong 1</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>四更天</grapheme>
    <phoneme>si 4 geng 1 tian 1</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>各宗门</grapheme>
    <phoneme>ge 4 zong 1 men 2</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>咯咯咯</grapheme>
    <phoneme>ge 1 ge 1 ge 1</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>布行</grapheme>
    <phoneme>bu 4 hang 2</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>干一行爱一行</grapheme>
    <phoneme>gan 4 yi 4 hang 2 ai 4 yi 4 hang 2</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>还着礼</grapheme>
    <phoneme>huan 2 zhe 5 li 3</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>还口</grapheme>
    <phoneme>huan 2 kou 3</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>秦桧</grapheme>
    <phoneme>qin 2 hui 4</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>老本行</grapheme>
    <phoneme>lao 3 ben 3 hang 2</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>咳咳</grapheme>
    <phoneme>ke 2 ke 2</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>咳咳咳</grapheme>
    <phoneme>ke 2 ke 2 ke 2</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>大概率</grapheme>
    <phoneme>da 4 gai 4 lv 4</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>小概率</grapheme>
    <phoneme>xiao 3 gai 4 lv 4</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>麻了</grapheme>
    <phoneme>ma 2 le 5</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>行了</grapheme>
    <phoneme>xing 2 le 5</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>行者</grapheme>
    <phoneme>xing 2 zhe 3</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>女乐</grapheme>
    <phoneme>nv 3 yue 4</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>不能自已</grapheme>
    <phoneme>bu 4 neng 2 zi 4 yi 3</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>沉着脸</grapheme>
    <phoneme>chen 2 zhe 5 lian 3</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>长公主</grapheme>
    <phoneme>zhang 3 gong 1 zhu 3</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>山长</grapheme>
    <phoneme>shan 1 zhang 3</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>李善长</grapheme>
    <phoneme>li 3 shan 4 chang 2</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>唐玄奘</grapheme>
    <phoneme>tang 2 xuan 2 zang 4</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>兵种</grapheme>
    <phoneme>bing 1 zhong 3</phoneme>
  </lexeme>
  <lexeme>
    <grapheme>重重有赏</grapheme>
    <phoneme>zhong 4 zhong 4 you 3 shang 3</phoneme>
  </lexeme>
</lexicon>
