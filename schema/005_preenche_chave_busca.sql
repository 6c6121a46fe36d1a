/* The search keys of the customers that existed before version 4. */
set names utf8;
set sql dialect 3;
set autoddl on;

update cliente set cfantasia_busca = chave_busca(cfantasia), cendereco_busca = chave_busca(cendereco);
